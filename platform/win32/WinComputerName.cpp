#include "platform/win32/WinComputerName.h"

#include <windows.h>

namespace vx::platform {

std::optional<std::string> WinComputerName::Query()
{
    // A 255-byte buffer announced as 254 bytes: room for any NetBIOS or DNS label.
    char buffer[255] = {};
    DWORD size = sizeof buffer - 1;
    if (!GetComputerNameA(buffer, &size))
        return std::nullopt;
    return std::string(buffer);
}

template <>
ComputerName& DefaultService<ComputerName>()
{
    static WinComputerName name;
    return name;
}

}  // namespace vx::platform
