// vxsetup-sim: the setup program on the headless backend, driven by a script.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "apps/vxSetup/sim/SetupSimulation.h"

int main(int argc, char** argv)
{
    using namespace vx;
    std::vector<std::string> args(argv + 1, argv + argc);
    const std::string root = setup::sim::TakeRootOption(args);
    if (root.empty()) {
        std::fputs("vxsetup-sim: --root DIR is required (DIR/C/ is drive C)\n", stderr);
        return ui::script::SimUsage;
    }
    setup::sim::SetupSimulation program(root);
    return ui::script::RunSimulator(args, program, stdout, stderr, []() -> std::optional<std::string> {
        std::string text;
        char block[4096];
        while (std::size_t got = std::fread(block, 1, sizeof block, stdin))
            text.append(block, got);
        return text;
    });
}
