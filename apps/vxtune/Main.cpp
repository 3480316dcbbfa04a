// vxtune: shows and scripts a machine's TCP/IP tuning from the command line.
#include <cstdio>
#include <string>
#include <vector>

#include "apps/vxtune/Tool.h"

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    vx::tune::TextOutput out(stdout);
    vx::tune::TextOutput err(stderr);
    return vx::tune::RunTool(args, out, err);
}
