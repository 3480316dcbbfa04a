#pragma once
// Runs vxtune in-process and keeps what it said.
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
    TextOutput out, err;
    int status = RunTool(args, out, err);
    return {status, out.Text(), err.Text()};
}

}  // namespace vx::tune
