#include "apps/vxSetup/sim/SetupSimulation.h"

#include <algorithm>

#include "apps/vxSetup/art/SetupArt.h"
#include "apps/vxSetup/sim/DrivesAndDisk.h"
#include "apps/vxSetup/sim/TranscribedServices.h"
#include "platform/host/HostDriveDirectories.h"
#include "platform/host/HostPathNames.h"
#include "platform/host/HostProgramFile.h"
#include "platform/host/HostShell.h"
#include "platform/host/HostSystemFolders.h"
#include "platform/host/HostTopWindows.h"
#include "platform/host/default/StdFileSystem.h"
#include "setup/SetupState.h"
#include "setup/forms/SetupProgram.h"

namespace vx::setup::sim {
namespace {

using platform::ScopedService;
using ui::script::Transcript;

// A running copy takes this long to end after the close request.
constexpr unsigned kRunningCopyEndsMs = 1500;

void PrepareMachine(platform::HostDriveFileSystem& drives)
{
    drives.AddDrive('C');
    for (const char* directory : {"C:\\WINDOWS", "C:\\WINDOWS\\TEMP"})
        if (drives.Kind(directory) == platform::PathKind::Missing)
            drives.MakeDirectory(directory);
}

}  // namespace

bool SetupSimulation::Option(const std::string& option)
{
    if (option != "--running-copy")
        return false;
    runningCopy_ = true;
    return true;
}

std::optional<bool> SetupSimulation::Flag(const std::string& name)
{
    if (name == "installFailed")
        return setupState.installFailed;
    if (name == "quitAtShow")
        return setupState.quitAtShow;
    if (name == "addDesktopIcon")
        return setupState.addDesktopIcon;
    if (name == "addStartMenuLinks")
        return setupState.addStartMenuLinks;
    return std::nullopt;
}

void SetupSimulation::Run(ui::script::SimulatorContext& context)
{
    Transcript& transcript = context.transcript;
    platform::HostDriveFileSystem drives(root_);
    PrepareMachine(drives);
    drives.OnChange = [&transcript](const std::string& verb, const std::string& path, const std::string& to,
                                    const std::string& tail) {
        std::string args = Transcript::Quote(path);
        if (!to.empty())
            args += " " + Transcript::Quote(to);
        if (!tail.empty())
            args += " " + tail;
        transcript.Event(verb, args);
    };
    platform::StdFileSystem disk;
    DrivesAndDisk files(drives, disk);
    ScopedService<platform::FileSystem> filesScope(files);
    platform::HostDriveDirectories directories(drives);
    ScopedService<platform::DirectoryTree> directoriesScope(directories);
    platform::HostSystemFolders folders;
    ScopedService<platform::SystemFolders> foldersScope(folders);
    platform::HostProgramFile programFile(folders.TemporaryDirectory() + "vxSetup.exe");
    ScopedService<platform::ProgramFile> programFileScope(programFile);
    platform::HostPathNames paths;
    ScopedService<platform::PathNames> pathsScope(paths);
    platform::HostShell shell;
    ScopedService<platform::Shell> shellScope(shell);
    TranscribedLinks links(transcript);
    ScopedService<platform::ShellLinks> linksScope(links);
    TranscribedLauncher launcher(transcript);
    ScopedService<platform::CommandLauncher> launcherScope(launcher);
    platform::HostTopWindows windows([&context] { return context.backend.NowMs(); });
    windows.OnPostClose = [&transcript](const std::string& title) {
        transcript.Event("post-close", Transcript::Quote(title));
    };
    if (runningCopy_)
        windows.Add("Velocitrex", {true, kRunningCopyEndsMs});
    ScopedService<platform::TopWindows> windowsScope(windows);

    ui::Application app(context.backend);
    // The setup may ask before its first window (administrator rights, a running
    // copy): the answers a script gives first are queued before it starts.
    context.backend.Advance(0);
    RunSetupProgram(app, art::SetupPictures());
}

std::string TakeRootOption(std::vector<std::string>& args)
{
    const auto at = std::find(args.begin(), args.end(), "--root");
    if (at == args.end() || at + 1 == args.end())
        return {};
    std::string root = *(at + 1);
    args.erase(at, at + 2);
    return root;
}

}  // namespace vx::setup::sim
