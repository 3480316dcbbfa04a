#pragma once
// Runs vxtune in-process and keeps what it said.
#include <sstream>
#include <string>
#include <vector>

#include "apps/vxtune/Tool.h"

namespace vx::tune {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

inline Outcome RunVxtune(const std::vector<std::string>& args)
{
    std::ostringstream out, err;
    int status = RunTool(args, out, err);
    return {status, out.str(), err.str()};
}

}  // namespace vx::tune
