#include "uninstall/Uninstaller.h"

#include <cctype>

#include "common/PlatformKind.h"
#include "common/RegistryBackend.h"
#include "common/RegistryCalls.h"
#include "engine/vxOriginalSettings.h"
#include "engine/vxPreferences.h"
#include "engine/vxRegistryKeys.h"
#include "platform/MessageBoxes.h"
#include "platform/ProgramFile.h"
#include "uninstall/InstalledProduct.h"
#include "uninstall/RemoveProduct.h"
#include "uninstall/RestartWindows.h"
#include "uninstall/SelfDelete.h"
#include "uninstall/UninstallMessages.h"

namespace vx::uninstall {
namespace {

platform::MsgAnswer Say(std::string_view text, platform::MsgIcon icon,
                        platform::MsgButtons buttons = platform::MsgButtons::Ok)
{
    return platform::ShowMessageBox({std::string(text), std::string(UninstallCaption), icon, buttons});
}

// On NT a user without administrator rights cannot open machine-wide keys for
// writing. The product key when it is there, else the key the setup makes it under.
bool MayChangeProductKey()
{
    if (IsWin9xFamily()) {
        return true;
    }
    RegistryBackend& registry = CurrentRegistry();
    const std::string_view key = registry.KeyExists(RegRoot::LocalMachine, ProductKey) ? ProductKey : "\\Software";
    return registry.OpenKey(RegRoot::LocalMachine, key, KeyAccess::ReadWrite) != nullptr;
}

// False when the program is still there after the wait.
bool CloseRunningProgram(const platform::WaitHooks& wait)
{
    platform::TopWindows& windows = platform::CurrentTopWindows();
    const auto window = windows.FindByTitle(std::string(MainProgramTitle));
    if (!window) {
        return true;
    }
    windows.PostClose(*window);
    if (!platform::WaitUntilWindowGone(windows, *window, CloseWaitMs, wait)) {
        return false;
    }
    // The window goes before the process ends, and until it has ended Windows
    // keeps its program file open: give it the moment to end before deleting.
    wait.sleep(ProcessEndMs);
    return true;
}

// The undo path. The preferences, with the autostart entry, are reset only once
// every value is back, so that a failed restore leaves the product as it was.
bool RestoreSettings()
{
    if (!RestoreAllSettings()) {
        return false;
    }
    ResetPreferences();
    return true;
}

void ReportRemoved(const std::vector<std::string>& failures)
{
    if (failures.empty()) {
        Say(Removed, platform::MsgIcon::Information);
        return;
    }
    std::string text(RemovedExceptItems);
    for (const std::string& item : failures) {
        text += "\r\n" + item;
    }
    Say(text, platform::MsgIcon::Warning);
}

}  // namespace

UninstallMode ModeFromArguments(const std::vector<std::string>& arguments)
{
    if (!arguments.empty() && arguments.front().size() == 2 && arguments.front()[0] == '/' &&
        std::toupper(static_cast<unsigned char>(arguments.front()[1])) == 'S') {
        return UninstallMode::Silent;
    }
    return UninstallMode::Interactive;
}

int ExitCode(UninstallResult result)
{
    return result == UninstallResult::Removed ? 0 : 1;
}

UninstallResult RunUninstall(UninstallMode mode, const platform::WaitHooks& wait)
{
    const bool interactive = mode == UninstallMode::Interactive;
    if (!MayChangeProductKey()) {
        if (interactive) {
            Say(NeedAdministrator, platform::MsgIcon::Warning);
        }
        return UninstallResult::NotAdministrator;
    }
    if (interactive && Say(AskRemove, platform::MsgIcon::Question, platform::MsgButtons::YesNo) !=
                           platform::MsgAnswer::Yes) {
        return UninstallResult::Declined;
    }
    if (!CloseRunningProgram(wait)) {
        if (interactive) {
            Say(StillRunning, platform::MsgIcon::Warning);
        }
        return UninstallResult::ProgramStillRunning;
    }
    const bool hadJournal = RegKeyExists(RegRoot::LocalMachine, StoreKey);
    const InstalledPlaces places = FindInstalledPlaces();
    if (!RestoreSettings()) {
        if (interactive) {
            Say(SettingsNotRestored, platform::MsgIcon::Warning);
        }
        return UninstallResult::SettingsNotRestored;
    }
    std::vector<std::string> failures = RemoveProduct(places);
    const std::string self = platform::RunningProgramFile();
    if (!self.empty() && !ScheduleDeleteAtRestart(self)) {
        failures.push_back(self);
    }
    if (interactive) {
        ReportRemoved(failures);
        if (hadJournal && Say(AskRestart, platform::MsgIcon::Question, platform::MsgButtons::YesNo) ==
                              platform::MsgAnswer::Yes) {
            RestartWindows();
        }
    }
    return failures.empty() ? UninstallResult::Removed : UninstallResult::RemovedIncomplete;
}

}  // namespace vx::uninstall
