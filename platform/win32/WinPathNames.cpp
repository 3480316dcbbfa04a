#include "platform/win32/WinPathNames.h"

#include <windows.h>

namespace vx::platform {

std::string WinPathNames::FullPath(const std::string& path)
{
    char buffer[MAX_PATH + 1] = {};
    char* name = nullptr;
    const DWORD length = GetFullPathNameA(path.c_str(), sizeof buffer, buffer, &name);
    return length == 0 || length >= sizeof buffer ? path : std::string(buffer, length);
}

std::string WinPathNames::ShortPath(const std::string& path)
{
    char buffer[MAX_PATH + 1] = {};
    const DWORD length = GetShortPathNameA(path.c_str(), buffer, sizeof buffer);
    return length == 0 || length >= sizeof buffer ? path : std::string(buffer, length);
}

template <>
PathNames& DefaultService<PathNames>()
{
    static WinPathNames names;
    return names;
}

}  // namespace vx::platform
