#pragma once
// What the wizard's windows share beyond the program-wide flags: the connection
// type the main window holds and the guard that keeps radio-button handlers quiet
// while program code selects buttons.
#include <string>

namespace vx::wizard {

struct WizardState {
    // One of "M", "C", "N", "D1", "D2", "D3" (or a stored text kept as it is);
    // empty until the main window loads it.
    std::string connectionType;
    // Set while program code selects radio buttons: every handler does nothing.
    bool controlsUpdating = false;
};

// The one instance.
WizardState& Wizard();

}  // namespace vx::wizard
