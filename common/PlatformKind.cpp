#include "common/PlatformKind.h"

#include <optional>

#include "platform/VersionQuery.h"

namespace vx {
namespace {

PlatformKind& StoredKind()
{
    static PlatformKind kind = PlatformKind::Unknown;
    return kind;
}

std::optional<PlatformKind> MapVersion(const platform::OsVersion& v)
{
    if (v.major == 3)
        return PlatformKind::WindowsNT;
    if (v.major == 4) {
        switch (v.minor) {
        case 0:
            if (v.platformId == 1)
                return PlatformKind::Windows95;
            if (v.platformId == 2)
                return PlatformKind::WindowsNT;
            return std::nullopt;
        case 10: return PlatformKind::Windows98;
        case 51: return PlatformKind::WindowsNT;
        case 90: return PlatformKind::WindowsMe;
        default: return std::nullopt;
        }
    }
    if (v.major == 5 && v.minor == 0)
        return PlatformKind::Windows2000;
    if (v.major == 5 && v.minor == 1)
        return PlatformKind::WindowsXP;
    return std::nullopt;
}

}  // namespace

PlatformKind DetectPlatform()
{
    if (auto version = platform::QueryOsVersion())
        if (auto kind = MapVersion(*version))
            StoredKind() = *kind;
    return StoredKind();
}

PlatformKind CurrentPlatformKind() { return StoredKind(); }

bool IsWin9xFamily()
{
    PlatformKind kind = StoredKind();
    return kind == PlatformKind::Windows95 || kind == PlatformKind::Windows98 ||
           kind == PlatformKind::WindowsMe;
}

std::string_view PlatformKindName(PlatformKind kind)
{
    switch (kind) {
    case PlatformKind::Unknown: return "Unknown";
    case PlatformKind::Windows95: return "Windows95";
    case PlatformKind::Windows98: return "Windows98";
    case PlatformKind::WindowsMe: return "WindowsMe";
    case PlatformKind::WindowsNT: return "WindowsNT";
    case PlatformKind::Windows2000: return "Windows2000";
    case PlatformKind::WindowsXP: return "WindowsXP";
    }
    return "Unknown";
}

ScopedPlatformKind::ScopedPlatformKind(PlatformKind kind) : previous_(StoredKind())
{
    StoredKind() = kind;
}

ScopedPlatformKind::~ScopedPlatformKind() { StoredKind() = previous_; }

}  // namespace vx
