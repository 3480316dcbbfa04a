#pragma once
// The uninstaller's texts, all in message boxes captioned UninstallCaption.
#include <string_view>

namespace vx::uninstall {

inline constexpr std::string_view UninstallCaption = "Velocitrex Uninstall";
inline constexpr std::string_view AskRemove =
    "Do you want to remove Velocitrex and put back the network settings it changed ?";
inline constexpr std::string_view Removed = "Velocitrex has been removed.";
inline constexpr std::string_view RemovedExceptItems =
    "Velocitrex has been removed, except for these items, which you can delete yourself:";
inline constexpr std::string_view AskRestart =
    "Windows must restart for the original settings to take effect. Restart now ?";
inline constexpr std::string_view SettingsNotRestored =
    "Some network settings could not be put back. Velocitrex stays installed so that you can try again.";
inline constexpr std::string_view NeedAdministrator =
    "Only an administrator can remove Velocitrex and put back the network settings. Please log on as an "
    "administrator and start the uninstall again. Nothing has been changed.";
inline constexpr std::string_view StillRunning =
    "Velocitrex is still running and did not close. Please close it from its icon next to the clock and start "
    "the uninstall again. Nothing has been changed.";

}  // namespace vx::uninstall
