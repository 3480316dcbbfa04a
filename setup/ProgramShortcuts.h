#pragma once
// The desktop icon and the start-menu program group.
#include <string>

#include "platform/ShellLinks.h"

namespace vx::setup {

// One shortcut whose only property is its target.
platform::ShellLinkResult CreateShellLink(const std::string& target, const std::string& linkFile);

// Replaces "Velocitrex.lnk" on the desktop. A shortcut that cannot be made is
// reported and the install goes on.
void AddDesktopIcon();

// Clears the group's old shortcuts (including the former "VlxHelp.lnk"), makes the
// group and its four shortcuts. A failure is reported and skips the rest.
void AddProgramGroup();

// The group's folder: programsDir + "\Velocitrex".
std::string ProgramGroupDir();

}  // namespace vx::setup
