#pragma once
// The [rename] section of WININIT.INI, which Windows 95, 98 and Me work through
// once at their next start: "NUL=path" deletes the file. The section holds the
// same key many times, which the private-profile calls cannot write (they would
// replace the earlier NUL= line of another program), so the text is edited here.
#include <string>
#include <string_view>

namespace vx::uninstall {

// `ini` with "NUL=`shortPath`" added at the end of its [rename] section (made
// when missing); other sections and lines stay as they are. CRLF lines.
std::string AddDeleteToRenameList(std::string_view ini, const std::string& shortPath);

// Adds the file to WININIT.INI in the Windows directory; false when it cannot be written.
bool ScheduleDeleteThroughWininit(const std::string& path);

}  // namespace vx::uninstall
