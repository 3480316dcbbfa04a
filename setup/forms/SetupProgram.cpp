#include "setup/forms/SetupProgram.h"

#include "setup/SetupState.h"
#include "setup/StartupSteps.h"
#include "setup/forms/SetupForms.h"

namespace vx::setup {

int RunSetupProgram(ui::Application& app, SetupPictures pictures)
{
    app.SetTitle(SetupTitle);
    setupState = SetupState{};
    if (!RunStartupSteps())
        return 1;
    CreateSetupForms(app, std::move(pictures));
    app.Run();
    CurrentSetupForms() = {};
    return setupState.installFailed ? 1 : 0;
}

}  // namespace vx::setup
