#include "wizard/WizardCommands.h"

#include "common/RegistryCalls.h"
#include "dispatcher/ProgramState.h"
#include "dispatcher/WindowServices.h"
#include "engine/vxPreferences.h"
#include "engine/vxRegistryKeys.h"
#include "platform/MessageBoxes.h"
#include "platform/Shell.h"

namespace vx::wizard {

namespace {

constexpr int ClickSound = 0;

}  // namespace

void QuitWizard()
{
    dispatcher::PlaySoundCue(ClickSound);
    if (!dispatcher::Program().changesMade) {
        const platform::MessageRequest question{
            "You have not made any acceleration changes. Are you sure you want to quit ?", "Information",
            platform::MsgIcon::Question, platform::MsgButtons::YesNo};
        if (platform::ShowMessageBox(question) != platform::MsgAnswer::Yes)
            return;
    }
    dispatcher::CloseProgram();
}

void OpenHelpPage()
{
    dispatcher::PlaySoundCue(ClickSound);
    platform::ShellRequest request;
    request.target = "vlxhelp.htm";
    request.directory = GetRegistryValue(RegRoot::LocalMachine, ProductKey, RegValueKind::String, InstallDirPref).AsString();
    platform::CurrentService<platform::Shell>::Get().Execute(request);
}

}  // namespace vx::wizard
