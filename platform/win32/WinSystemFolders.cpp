#include "platform/win32/WinSystemFolders.h"

#include <windows.h>

namespace vx::platform {
namespace {

// Both calls return the length needed when the buffer is too small.
std::string Fitted(DWORD length, const char* buffer, DWORD size)
{
    return length == 0 || length >= size ? std::string() : std::string(buffer, length);
}

}  // namespace

std::string WinSystemFolders::TemporaryDirectory()
{
    char buffer[MAX_PATH + 1] = {};
    return Fitted(GetTempPathA(sizeof buffer, buffer), buffer, sizeof buffer);
}

std::string WinSystemFolders::WindowsDirectory()
{
    char buffer[MAX_PATH + 1] = {};
    return Fitted(GetWindowsDirectoryA(buffer, sizeof buffer), buffer, sizeof buffer);
}

template <>
SystemFolders& DefaultService<SystemFolders>()
{
    static WinSystemFolders folders;
    return folders;
}

}  // namespace vx::platform
