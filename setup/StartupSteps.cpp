#include "setup/StartupSteps.h"

#include "common/RegistryCalls.h"
#include "engine/vxRegistryKeys.h"
#include "platform/MessageBoxes.h"
#include "setup/DistributionIds.h"
#include "setup/SetupPaths.h"
#include "setup/SetupState.h"

namespace vx::setup {
namespace {

std::string ReadText(RegRoot root, std::string_view key, std::string_view name)
{
    return GetRegistryValue(root, key, RegValueKind::String, name).AsString();
}

}  // namespace

void ReadSystemFolders()
{
    setupState.programFilesDir = ReadText(RegRoot::CurrentUser, WindowsVersionKey, "ProgramFilesDir");
    if (setupState.programFilesDir.empty())
        setupState.programFilesDir = ReadText(RegRoot::LocalMachine, WindowsVersionKey, "ProgramFilesDir");
    setupState.programsDir = ReadText(RegRoot::CurrentUser, ShellFoldersKey, "Programs");
    setupState.desktopDir = ReadText(RegRoot::CurrentUser, ShellFoldersKey, "Desktop");
}

bool CanWriteMachineSettings()
{
    return CurrentRegistry().OpenKey(RegRoot::LocalMachine, ProductKey, KeyAccess::ReadWrite, true) != nullptr;
}

bool RunStartupSteps()
{
    ReadSystemFolders();
    if (!CanWriteMachineSettings()) {
        platform::ShowMessageBox({"Velocitrex Setup needs administrator rights. Please log on as an administrator "
                                  "and run Setup again.",
                                  "Error", platform::MsgIcon::Error, platform::MsgButtons::Ok});
        return false;
    }
    ReadDistributionIds();
    return true;
}

}  // namespace vx::setup
