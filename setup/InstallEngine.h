#pragma once
// The work behind the Install button and the completion panel. Every path and
// option comes from setupState.
#include <string>

namespace vx::setup {

// Prepares the directory, moves the distribution files, makes the shortcuts and
// writes the reseller values. False (with installFailed set) after a refusal or a
// copy failure, which the user has been told about.
bool RunInstall();

// Creates installDir level by level; false, with the message shown, when it is the
// extraction directory itself.
bool PrepareInstallDir();

// Whether two directory paths name the same directory: full paths, short names,
// letter case and trailing backslashes do not matter.
bool SameDirectory(const std::string& a, const std::string& b);

// The autostart entry and "installdir", before any check, and the old entries gone.
void WriteAutostartEntries();

// What Add/Remove Programs shows and runs.
void WriteUninstallEntry();

void RunInstalledProgram();
void ShowReleaseNotes();

// The command lines: every path quoted.
std::string AutostartCommand();
std::string UninstallCommand();
std::string InstalledProgramCommand();
std::string ReleaseNotesCommand();

}  // namespace vx::setup
