#pragma once
// The file names, keys and path joins the setup shares between its steps.
#include <string>
#include <string_view>

namespace vx::setup {

inline constexpr std::string_view WindowsVersionKey = "Software\\Microsoft\\Windows\\CurrentVersion";
inline constexpr std::string_view ShellFoldersKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
inline constexpr std::string_view RunKey = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr std::string_view UninstallKey = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Velocitrex";
inline constexpr std::string_view DefaultInstallSubdirectory = "\\Quorvex\\Velocitrex";
inline constexpr std::string_view ProgramGroupName = "Velocitrex";

// `directory` + "\" + `name`, without doubling a backslash the directory ends in.
std::string JoinPath(std::string_view directory, std::string_view name);

// The path in quotation marks, so that Windows does not try its prefixes up to a
// blank as programs ("C:\Program.exe").
std::string Quoted(std::string_view path);

}  // namespace vx::setup
