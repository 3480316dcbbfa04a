#include "wizard/WizardState.h"

namespace vx::wizard {

WizardState& Wizard()
{
    static WizardState state;
    return state;
}

}  // namespace vx::wizard
