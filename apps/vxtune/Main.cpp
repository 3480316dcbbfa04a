// vxtune: shows and scripts a machine's TCP/IP tuning from the command line.
#include <iostream>
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
    return vx::tune::RunTool(args, std::cout, std::cerr);
}
