#include "platform/win32/WinVersionQuery.h"

#include <windows.h>

namespace vx::platform {

std::optional<OsVersion> WinVersionQuery::GetVersion()
{
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof(info);  // 148 bytes: the record every Windows knows
    static_assert(sizeof(OSVERSIONINFOA) == 148);
    if (!GetVersionExA(&info))
        return std::nullopt;
    return OsVersion{info.dwMajorVersion, info.dwMinorVersion, info.dwPlatformId};
}

}  // namespace vx::platform

namespace vx::platform {

template <>
VersionQuery& DefaultService<VersionQuery>()
{
    static WinVersionQuery query;
    return query;
}

}  // namespace vx::platform
