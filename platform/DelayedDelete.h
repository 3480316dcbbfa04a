#pragma once
// What deleting a file at the next start of Windows needs from the system. A
// running program cannot delete its own file: Windows 95, 98 and Me delete it
// through the [rename] list of WININIT.INI in the Windows directory (which wants
// short 8.3 names), NT, 2000 and XP through MoveFileExA with the delay-until-reboot
// flag, a call 95, 98 and Me lack and so is looked up at run time.
#include <string>

#include "platform/CurrentService.h"

namespace vx::platform {

class DelayedDelete {
public:
    virtual ~DelayedDelete() = default;

    // The Windows directory (GetWindowsDirectoryA), without a trailing backslash.
    virtual std::string WindowsDirectory() = 0;
    // The 8.3 form of an existing path (GetShortPathNameA); the path as given when
    // the system has none.
    virtual std::string ShortPath(const std::string& path) = 0;
    // NT, 2000 and XP: has the file deleted when Windows next starts. False when the
    // system lacks the call or refuses (without administrator rights).
    virtual bool DeleteAtRestart(const std::string& path) = 0;
};

inline DelayedDelete& CurrentDelayedDelete()
{
    return CurrentService<DelayedDelete>::Get();
}

}  // namespace vx::platform
