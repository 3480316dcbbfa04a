#include "setup/ProgramShortcuts.h"

#include <array>

#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"
#include "setup/SetupPaths.h"
#include "setup/SetupState.h"

namespace vx::setup {
namespace {

using platform::Files;
using platform::ShellLinkResult;

constexpr std::array<const char*, 5> kOldGroupLinks = {"Velocitrex.lnk", "VelocHelp.lnk", "VlxHelp.lnk",
                                                       "ReadMe.lnk", "Uninstall.lnk"};

void DeleteIfPresent(const std::string& path)
{
    if (platform::PathExists(path))
        Files().Delete(path);
}

void ShowInformation(const char* text)
{
    platform::ShowMessageBox({text, "Information", platform::MsgIcon::Information, platform::MsgButtons::Ok});
}

struct GroupLink {
    const char* name;
    std::string target;
};

}  // namespace

ShellLinkResult CreateShellLink(const std::string& target, const std::string& linkFile)
{
    return platform::Links().Create(target, linkFile);
}

std::string ProgramGroupDir()
{
    return JoinPath(setupState.programsDir, ProgramGroupName);
}

void AddDesktopIcon()
{
    const std::string link = JoinPath(setupState.desktopDir, "Velocitrex.lnk");
    DeleteIfPresent(link);
    if (CreateShellLink(JoinPath(setupState.installDir, "velocitrex.exe"), link) == ShellLinkResult::Unavailable)
        ShowInformation("Failed to add icon to the desktop. Continuing...");
}

void AddProgramGroup()
{
    const std::string group = ProgramGroupDir();
    for (const char* name : kOldGroupLinks)
        DeleteIfPresent(JoinPath(group, name));
    Files().MakeDirectory(group);  // it may exist already

    const std::array<GroupLink, 4> links = {{
        {"Velocitrex.lnk", JoinPath(setupState.installDir, "velocitrex.exe")},
        {"VelocHelp.lnk", JoinPath(setupState.installDir, "vlxhelp.htm")},
        {"ReadMe.lnk", JoinPath(setupState.installDir, "readme.txt")},
        {"Uninstall.lnk", JoinPath(setupState.windowsDir, "unvlx.exe")},
    }};
    for (const GroupLink& link : links) {
        if (!setupState.programFilesDir.empty() && !platform::PathExists(setupState.programFilesDir))
            Files().MakeDirectory(setupState.programFilesDir);
        if (CreateShellLink(link.target, JoinPath(group, link.name)) == ShellLinkResult::Unavailable) {
            ShowInformation("Failed to add program to the start menu. Continuing...");
            return;
        }
    }
}

}  // namespace vx::setup
