#pragma once
// The commands every wizard window offers alike: quitting the program (asking
// first when no changes were applied) and opening the help page.

namespace vx::wizard {

// Click sound; ends the program at once when the apply screen has completed since
// the last stored change, else only after the user confirms.
void QuitWizard();
// Click sound; opens "vlxhelp.htm" in the installation directory. A failure is ignored.
void OpenHelpPage();

}  // namespace vx::wizard
