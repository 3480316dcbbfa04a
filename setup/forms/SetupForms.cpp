#include "setup/forms/SetupForms.h"

#include "setup/forms/suInstallDir.h"
#include "setup/forms/suInstallOptions.h"
#include "setup/forms/suLicense.h"
#include "setup/forms/suMain.h"
#include "setup/forms/vxCustom.h"

namespace vx::setup {

SetupForms& CurrentSetupForms()
{
    static SetupForms forms;
    return forms;
}

void CreateSetupForms(ui::Application& app, SetupPictures pictures)
{
    SetupForms& forms = CurrentSetupForms();
    forms = {};
    forms.main = &app.CreateForm<TfrmMain>();
    forms.custom = &app.CreateForm<TfrmCustom>(std::move(pictures));
    forms.options = &app.CreateForm<TfrmInstallOptions>();
    forms.directory = &app.CreateForm<TfrmInstallDir>();
    forms.license = &app.CreateForm<TfrmLicense>();
}

}  // namespace vx::setup
