#pragma once
#include <string>
#include <vector>

#include "apps/vxtune/TextOutput.h"

namespace vx::tune {

// One run of vxtune over its arguments (without the program name); returns the
// exit status. Each run starts with the platform code Unknown, as a process does.
int RunTool(const std::vector<std::string>& args, TextOutput& out, TextOutput& err);

}  // namespace vx::tune
