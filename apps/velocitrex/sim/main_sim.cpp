// velocitrex-sim: see VelocitrexSim.h and the README.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "apps/velocitrex/sim/VelocitrexSim.h"

int main(int argc, char** argv)
{
    vx::app::VelocitrexSim program;
    auto readStandardInput = [] {
        std::string text;
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, stdin)) > 0;)
            text.append(buffer, n);
        return std::optional<std::string>(text);
    };
    return vx::ui::script::RunSimulator(std::vector<std::string>(argv + 1, argv + argc), program, stdout, stderr,
                                        readStandardInput);
}
