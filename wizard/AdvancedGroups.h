#pragma once
// The advanced page's ten groups of radio buttons: names, captions, hints and the
// figure each button stands for, in the order they stand on the page (left column,
// middle column, right column; buttons top to bottom).
#include <cstdint>
#include <span>
#include <string_view>

namespace vx::wizard {

enum class AdvancedGroup { Mtu, Line, Rwin, Ndi, Sack, PmtuDiscovery, Ska, Ttl, DupAcks, BlackHole };
inline constexpr int AdvancedGroupCount = 10;

struct AdvancedButton {
    std::string_view name;
    std::string_view caption;
    std::string_view hint;  // empty: none
    int32_t value;          // what selecting it stands for (see each group)
};

struct AdvancedGroupInfo {
    std::string_view name;
    std::string_view caption;
    std::string_view hint;
    std::span<const AdvancedButton> buttons;
};

const AdvancedGroupInfo& GroupInfo(AdvancedGroup group);
// The button of this name: its group and index; false when no group has it.
bool FindAdvancedButton(std::string_view name, AdvancedGroup& group, int& index);

// Button indexes the rules refer to.
namespace mtu_button {
inline constexpr int Default = 0;
inline constexpr int Manual = 10;
}  // namespace mtu_button
namespace line_button {
inline constexpr int Good = 0;
inline constexpr int Bad = 1;
}  // namespace line_button
namespace rwin_button {
inline constexpr int Default = 0;
inline constexpr int Times4 = 1;
inline constexpr int Times6 = 2;
inline constexpr int Times8 = 3;
inline constexpr int Times10 = 4;
inline constexpr int Manual = 5;
}  // namespace rwin_button
namespace ndi_button {
inline constexpr int Default = 0;
inline constexpr int Size16 = 1;
inline constexpr int Size32 = 2;
}  // namespace ndi_button
namespace ska_button {
inline constexpr int Default = 0;
inline constexpr int Manual = 3;
}  // namespace ska_button
namespace dupacks_button {
inline constexpr int Default = 0;
inline constexpr int Manual = 1;
}  // namespace dupacks_button
// Groups of a YES and a NO (or Enable and Disable): index 0 stores 1, index 1 stores 0.
inline constexpr int YesButton = 0;
inline constexpr int NoButton = 1;

// The items of the manual MTU list.
inline constexpr std::string_view ManualMtuItems[] = {"576", "1500", "4464", "8166", "17914", "65535"};

}  // namespace vx::wizard
