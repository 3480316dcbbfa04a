// The registry entries and command lines of an installation.
#include "common/RegistryCalls.h"
#include "engine/vxRegistryKeys.h"
#include "platform/CommandLauncher.h"
#include "setup/InstallEngine.h"
#include "setup/SetupPaths.h"
#include "setup/SetupState.h"

namespace vx::setup {
namespace {

void WriteText(RegRoot root, std::string_view key, std::string_view name, const std::string& text)
{
    SetRegistryValue(root, key, true, RegistryValue::String(text), name, RegValueKind::String);
}

void WriteNumber(RegRoot root, std::string_view key, std::string_view name, int32_t number)
{
    SetRegistryValue(root, key, true, RegistryValue::Integer(number), name, RegValueKind::Integer);
}

std::string Uninstaller() { return JoinPath(setupState.windowsDir, "unvlx.exe"); }

}  // namespace

std::string AutostartCommand()
{
    return Quoted(JoinPath(setupState.installDir, "velocitrex.exe")) + " /S";
}

std::string UninstallCommand()
{
    return Quoted(Uninstaller());
}

std::string InstalledProgramCommand()
{
    return Quoted(JoinPath(setupState.installDir, "Velocitrex.exe"));
}

std::string ReleaseNotesCommand()
{
    return Quoted(JoinPath(setupState.windowsDir, "notepad.exe")) + " " +
           Quoted(JoinPath(setupState.installDir, "readme.txt"));
}

void WriteAutostartEntries()
{
    RegDeleteValueIfPresent(RegRoot::CurrentUser, RunKey, "vx2002");
    RegDeleteValueIfPresent(RegRoot::CurrentUser, RunKey, "vlx2002");
    RegDeleteValueIfPresent(RegRoot::LocalMachine, RunKey, "Velocitrex2002");
    RegDeleteValueIfPresent(RegRoot::LocalMachine, RunKey, "Startvlx");
    WriteText(RegRoot::LocalMachine, ProductKey, "installdir", setupState.installDir);
    WriteText(RegRoot::LocalMachine, RunKey, "Velocitrex", AutostartCommand());
}

void WriteUninstallEntry()
{
    WriteText(RegRoot::LocalMachine, UninstallKey, "Displayname", "Velocitrex");
    WriteText(RegRoot::LocalMachine, UninstallKey, "UninstallString", UninstallCommand());
    // What Add/Remove Programs shows on 2000 and XP.
    WriteText(RegRoot::LocalMachine, UninstallKey, "DisplayVersion", VX_PRODUCT_VERSION);
    WriteText(RegRoot::LocalMachine, UninstallKey, "Publisher", "Quorvex");
    WriteText(RegRoot::LocalMachine, UninstallKey, "DisplayIcon", JoinPath(setupState.installDir, "velocitrex.exe"));
    WriteText(RegRoot::LocalMachine, UninstallKey, "InstallLocation", setupState.installDir);
    WriteNumber(RegRoot::LocalMachine, UninstallKey, "NoModify", 1);
    WriteNumber(RegRoot::LocalMachine, UninstallKey, "NoRepair", 1);
    WriteText(RegRoot::LocalMachine, UninstallKey, "QuietUninstallString", UninstallCommand() + " /S");
}

void RunInstalledProgram()
{
    platform::StartCommandLine(InstalledProgramCommand());
}

void ShowReleaseNotes()
{
    platform::StartCommandLine(ReleaseNotesCommand());
}

}  // namespace vx::setup
