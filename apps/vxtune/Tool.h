#pragma once
#include <iosfwd>
#include <string>
#include <vector>

namespace vx::tune {

// One run of vxtune over its arguments (without the program name); returns the
// exit status. Each run starts with the platform code Unknown, as a process does.
int RunTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace vx::tune
