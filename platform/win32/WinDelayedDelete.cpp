#include "platform/win32/WinDelayedDelete.h"

#include <windows.h>

#include "platform/win32/SystemLibrary.h"

namespace vx::platform {

std::string WinDelayedDelete::WindowsDirectory()
{
    char buffer[MAX_PATH + 1] = {};
    const UINT length = GetWindowsDirectoryA(buffer, sizeof buffer);
    std::string directory(buffer, length < sizeof buffer ? length : 0);
    if (!directory.empty() && directory.back() == '\\') {
        directory.pop_back();  // "C:\" when Windows lives in a drive's top directory
    }
    return directory;
}

std::string WinDelayedDelete::ShortPath(const std::string& path)
{
    char buffer[MAX_PATH + 1] = {};
    const DWORD length = GetShortPathNameA(path.c_str(), buffer, sizeof buffer);
    return length == 0 || length >= sizeof buffer ? path : std::string(buffer, length);
}

bool WinDelayedDelete::DeleteAtRestart(const std::string& path)
{
    using MoveFileExFunction = BOOL WINAPI(LPCSTR, LPCSTR, DWORD);
    const SystemLibrary kernel("KERNEL32.DLL");
    auto* moveFileEx = kernel.Find<MoveFileExFunction>("MoveFileExA");
    // 95, 98 and Me export it as a stub that fails, which is as good as missing.
    return moveFileEx != nullptr && moveFileEx(path.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT) != FALSE;
}

template <>
DelayedDelete& DefaultService<DelayedDelete>()
{
    static WinDelayedDelete files;
    return files;
}

}  // namespace vx::platform
