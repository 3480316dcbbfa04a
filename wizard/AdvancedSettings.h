#pragma once
// The advanced page's rules, apart from the form: the opening that shows what the
// TCP/IP settings hold now, and the handlers that store each selection as a product
// preference at once. The receive window is offered as a multiple of the segment
// size (MSS = MTU - 40) and kept at or below the layout's ceiling.
#include <array>
#include <cstdint>
#include <string>

#include "wizard/AdvancedGroups.h"
#include "wizard/AdvancedPageView.h"

namespace vx::wizard {

// The largest receive window each registry layout takes.
inline constexpr int64_t Win9xRwinCeiling = 65535;
inline constexpr int64_t NtRwinCeiling = 1048575;
inline constexpr int32_t FallbackMtu = 576;

// The MTU a text stands for: a whole number an MTU can be (68 to 65535), else 576.
int32_t MtuFromText(const std::string& text);
// The window a "not set" receive window stands for, by connection code and layout.
int64_t DefaultReceiveWindow(const std::string& connectionType, bool win9x, bool lineBad);

class AdvancedSettings {
public:
    AdvancedSettings(AdvancedPageView& view, bool win9xLayout);

    // Selects every group as the TCP/IP settings stand; stores nothing.
    void Open();
    // A button became checked, by the user or by program code.
    void ButtonSelected(AdvancedGroup group, int button);

    int Selected(AdvancedGroup group) const { return selected_[static_cast<std::size_t>(group)]; }
    int32_t ChosenMtu() const { return chosenMtu_; }
    int64_t RwinCeiling() const { return win9x_ ? Win9xRwinCeiling : NtRwinCeiling; }

    enum class RwinSource { Current, Stored };
    // Selects the receive-window button for the window from the source; returns it
    // (-1 none).
    int LoadReceiveWindow(RwinSource source);

private:
    void Select(AdvancedGroup group, int button);
    void SelectQuietly(AdvancedGroup group, int button);
    bool IsSelected(AdvancedGroup group, int button) const { return Selected(group) == button; }
    void MarkChanged();
    int32_t Mss() const;

    void OpenMtu();
    void OpenNumbered(AdvancedGroup group, int32_t current, int fallback);
    void OpenManualSpin(AdvancedGroup group, int32_t current, int manualButton, AdvancedSpin spin);

    void MtuClick(int button);
    void RwinClick();
    void LineConditionClick();
    void StoreSimple(AdvancedGroup group, int button);
    void NdiClick(int button);

    AdvancedPageView& view_;
    bool win9x_;
    std::array<int, AdvancedGroupCount> selected_;
    int32_t chosenMtu_ = FallbackMtu;
    bool lineGood_ = true;
    bool lineChanged_ = false;
};

}  // namespace vx::wizard
