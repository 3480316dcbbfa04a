#pragma once
#include <cstdint>
#include <string_view>

namespace vx {

// The process-wide Windows-version code. Codes 2 to 4 select the 9x registry
// layout, every other code the NT layout.
enum class PlatformKind : uint8_t {
    Unknown = 0,
    Windows95 = 2,
    Windows98 = 3,
    WindowsMe = 4,
    WindowsNT = 5,
    Windows2000 = 6,
    WindowsXP = 7,
};

// Asks the system for its version, stores the code it maps to (an unlisted
// version, or a failed query, leaves the stored code alone) and returns it.
PlatformKind DetectPlatform();
PlatformKind CurrentPlatformKind();
bool IsWin9xFamily();
std::string_view PlatformKindName(PlatformKind kind);

// Sets the stored code for a scope and puts the earlier one back afterwards.
class ScopedPlatformKind {
public:
    explicit ScopedPlatformKind(PlatformKind kind);
    ~ScopedPlatformKind();
    ScopedPlatformKind(const ScopedPlatformKind&) = delete;
    ScopedPlatformKind& operator=(const ScopedPlatformKind&) = delete;

private:
    PlatformKind previous_ = PlatformKind::Unknown;
};

}  // namespace vx
