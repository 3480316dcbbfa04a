#include "setup/InstallEngine.h"

#include "common/RegistryCalls.h"
#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"
#include "platform/PathNames.h"
#include "setup/DistributionFiles.h"
#include "setup/ProgramShortcuts.h"
#include "setup/ResellerValues.h"
#include "setup/SetupPaths.h"
#include "setup/SetupState.h"

namespace vx::setup {
namespace {

using platform::Files;
using platform::MsgButtons;
using platform::MsgIcon;

const char* const kCopyError =
    "There was an error copying the program over.\r\rBe sure you have closed any previous version of the program "
    "that is running on your system,\r\rand be sure you have adequate disk space.";

std::string UpperAscii(std::string text)
{
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

std::string WithoutTrailingBackslashes(std::string path)
{
    // "C:\" keeps its backslash: "C:" alone is the drive's current directory.
    while (path.size() > 3 && path.back() == '\\')
        path.pop_back();
    return path;
}

std::string ComparablePath(const std::string& path)
{
    platform::PathNames& names = platform::Paths();
    return UpperAscii(WithoutTrailingBackslashes(names.ShortPath(names.FullPath(path))));
}

std::string DestinationOf(const DistributionFile& file)
{
    switch (file.destination) {
    case FileDestination::InstallDir: return JoinPath(setupState.installDir, file.name);
    case FileDestination::WindowsDir: return JoinPath(setupState.windowsDir, file.name);
    case FileDestination::NotInstalled: break;
    }
    return {};
}

// Copies every file that is installed, replacing read-only ones, and only then
// deletes the sources: a failure leaves the extraction directory complete, so
// that Setup can be run again.
bool CopyDistributionFiles()
{
    const std::string& source = setupState.sourceDir;
    for (const DistributionFile& file : DistributionFileSet)
        if (platform::PathExists(source + std::string(file.name)))
            Files().SetAttributes(source + std::string(file.name), platform::FileAttribute::Normal);
    for (const DistributionFile& file : DistributionFileSet) {
        if (file.destination == FileDestination::NotInstalled)
            continue;
        const std::string destination = DestinationOf(file);
        if (platform::PathExists(destination)) {
            Files().SetAttributes(destination, platform::FileAttribute::Normal);
            Files().Delete(destination);
        }
        if (!Files().Copy(source + std::string(file.name), destination))
            return false;
    }
    for (const DistributionFile& file : DistributionFileSet)
        if (platform::PathExists(source + std::string(file.name)))
            Files().Delete(source + std::string(file.name));
    return true;
}

void CreateAncestors(const std::string& path)
{
    for (size_t at = path.find('\\'); at != std::string::npos; at = path.find('\\', at + 1))
        if (at > 0)
            Files().MakeDirectory(path.substr(0, at));
    Files().MakeDirectory(path);
}

}  // namespace

bool SameDirectory(const std::string& a, const std::string& b)
{
    return ComparablePath(a) == ComparablePath(b);
}

bool PrepareInstallDir()
{
    const std::string& target = setupState.installDir;
    // Refused before anything is made: creating the directory could make a new
    // spelling of the extraction directory exist, and copying into it deletes the sources.
    if (SameDirectory(setupState.sourceDir, target)) {
        platform::ShowMessageBox({"You cannot extract files and install to the same directory.  Please choose a "
                                  "different extract directory and run setup again.",
                                  "Information", MsgIcon::Information, MsgButtons::Ok});
        setupState.installFailed = true;
        return false;
    }
    if (!Files().MakeDirectory(target))
        CreateAncestors(target);
    return true;
}

bool RunInstall()
{
    setupState.installFailed = false;
    setupState.desktopDir =
        GetRegistryValue(RegRoot::CurrentUser, ShellFoldersKey, RegValueKind::String, "Desktop").AsString();
    if (!PrepareInstallDir())
        return false;
    if (!CopyDistributionFiles()) {
        platform::ShowMessageBox({kCopyError, "Warning", MsgIcon::Warning, MsgButtons::Ok});
        setupState.installFailed = true;
        return false;
    }
    if (setupState.addDesktopIcon)
        AddDesktopIcon();
    if (setupState.addStartMenuLinks)
        AddProgramGroup();
    WriteResellerValues();
    return true;
}

}  // namespace vx::setup
