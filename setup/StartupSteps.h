#pragma once
// What the setup does before its first window: read the system folders, make sure
// it may write the machine's settings, and record the distribution identifiers.

namespace vx::setup {

// programFilesDir (the user's value, else the machine's), programsDir and desktopDir.
void ReadSystemFolders();

// Whether the product key can be made under HKEY_LOCAL_MACHINE: NT refuses a user
// without administrator rights, silently, which would leave a half installation.
bool CanWriteMachineSettings();

// The steps in order. False when the setup must end: the user has been told why
// and nothing has been written.
bool RunStartupSteps();

}  // namespace vx::setup
