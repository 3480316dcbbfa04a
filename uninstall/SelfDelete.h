#pragma once
#include <string>

namespace vx::uninstall {

// Has the file deleted when Windows next starts, the way the running family does
// it; false when that could not be arranged.
bool ScheduleDeleteAtRestart(const std::string& path);

}  // namespace vx::uninstall
