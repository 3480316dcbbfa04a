#pragma once
// The wizard's own process-wide state, in one place: the connection type the
// user picked and the guard that keeps radio-button handlers quiet while the
// program selects buttons itself.
#include <string>

namespace vx::wizard {

struct WizardState {
    // "M", "C", "N", "D1", "D2", "D3" (or a stored text the program does not know);
    // empty until the main window first loads it.
    std::string connectionType;
    // Set while program code selects radio buttons.
    bool controlsUpdating = false;
};

WizardState& Wizard();

}  // namespace vx::wizard
