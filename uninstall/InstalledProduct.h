#pragma once
// What the setup puts on a machine, as far as the uninstaller takes it back.
#include <array>
#include <string_view>

namespace vx::uninstall {

// In the install directory ("installdir" under the product key).
inline constexpr std::array<std::string_view, 4> InstalledFiles = {"velocitrex.exe", "file_id.diz", "readme.txt",
                                                                   "vlxhelp.htm"};
inline constexpr std::string_view DesktopLinkName = "Velocitrex.lnk";
// The program group under the Start menu's Programs folder, and every name the
// setup ever made in it ("VlxHelp.lnk" is the help link of earlier versions).
inline constexpr std::string_view ProgramGroupName = "Velocitrex";
inline constexpr std::array<std::string_view, 5> ProgramGroupLinks = {"Velocitrex.lnk", "VelocHelp.lnk",
                                                                      "VlxHelp.lnk", "ReadMe.lnk", "Uninstall.lnk"};

inline constexpr std::string_view InstallDirValue = "installdir";
// HKEY_LOCAL_MACHINE.
inline constexpr std::string_view UninstallEntryKey =
    "\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Velocitrex";
// HKEY_CURRENT_USER: "Desktop" and "Programs".
inline constexpr std::string_view ShellFoldersKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
// Values the setup keeps under the maker key for its products: they go with the last product.
inline constexpr std::array<std::string_view, 2> MakerKeyValues = {"mo", "disp"};

// The window title of a running main program.
inline constexpr std::string_view MainProgramTitle = "Velocitrex";
inline constexpr unsigned CloseWaitMs = 10000;
// After its window has gone, the time the main program gets to end.
inline constexpr unsigned ProcessEndMs = 2000;

}  // namespace vx::uninstall
