// vxtune: shows and scripts a machine's TCP/IP tuning from the command line.
#include <cstdio>
#include <string>
#include <vector>

#include "apps/vxtune/Tool.h"
#include "platform/ConsoleMessageBoxes.h"

int main(int argc, char** argv)
{
    // A console tool shows no windows: the engine's messages go to standard error.
    vx::platform::ConsoleMessageBoxes boxes;
    vx::platform::ScopedService<vx::platform::MessageBoxes> toStandardError(boxes);
    std::vector<std::string> args(argv + 1, argv + argc);
    vx::tune::TextOutput out(stdout);
    vx::tune::TextOutput err(stderr);
    return vx::tune::RunTool(args, out, err);
}
