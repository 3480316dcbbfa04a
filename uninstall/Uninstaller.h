#pragma once
// The uninstaller: puts back the network settings the product changed, then takes
// the product off the machine. Interactive from the Start menu or Add/Remove
// Programs; silent with "/S" for administrators, told apart by the exit code.
#include <string>
#include <vector>

#include "platform/TopWindows.h"

namespace vx::uninstall {

enum class UninstallMode { Interactive, Silent };

// "/S" (any case) as the first argument selects the silent mode.
UninstallMode ModeFromArguments(const std::vector<std::string>& arguments);

enum class UninstallResult {
    Removed,             // settings back, everything removed
    RemovedIncomplete,   // settings back, some item could not be removed
    Declined,            // the user said No
    NotAdministrator,    // NT without the right to change the product key
    ProgramStillRunning, // the main program did not close within the wait
    SettingsNotRestored, // some journalled value could not be put back: nothing removed
};

// 0 only when everything was removed and restored.
int ExitCode(UninstallResult result);

// The whole uninstall. `wait` lets a running main program close while messages are handled.
UninstallResult RunUninstall(UninstallMode mode, const platform::WaitHooks& wait);

}  // namespace vx::uninstall
