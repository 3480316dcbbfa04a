// vxtune: shows and scripts a machine's TCP/IP tuning from the command line.
#include <iostream>
#include <string>
#include <vector>

#include "apps/vxtune/Tool.h"

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    return vx::tune::RunTool(args, std::cout, std::cerr);
}
