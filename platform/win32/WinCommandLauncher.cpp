#include "platform/win32/WinCommandLauncher.h"

#include <windows.h>

namespace vx::platform {

bool WinCommandLauncher::Start(const std::string& commandLine)
{
    // Values above 31 mean the program started.
    return WinExec(commandLine.c_str(), SW_SHOWNORMAL) > 31;
}

template <>
CommandLauncher& DefaultService<CommandLauncher>()
{
    static WinCommandLauncher launcher;
    return launcher;
}

}  // namespace vx::platform
