#pragma once
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "apps/vxtune/TextOutput.h"

namespace vx {
class MemoryRegistry;
}

namespace vx::tune {

enum ExitCode { ExitOk = 0, ExitFailure = 1, ExitUsage = 2, ExitRegistryFile = 3 };

struct CommandContext {
    std::vector<std::string> args;  // the command's own arguments
    TextOutput& out;
    TextOutput& err;
    MemoryRegistry* registryFile = nullptr;  // the --registry FILE's registry, when given
};

struct Command {
    std::string_view name;
    std::string_view synopsis;  // arguments, for the usage text
    size_t minArgs = 0;
    size_t maxArgs = 0;
    std::function<int(CommandContext&)> run;
    bool needsRegistryFile = false;  // a usage error without --registry FILE
};

// Each group of commands lives in its own file.
std::vector<Command> CatalogueCommands();
// url, distribution: the web links and the setup's distribution files.
std::vector<Command> LinkCommands();
// prefs, profile, set, apply, restore, journal: the stored profile and the engine.
std::vector<Command> EngineCommands();

}  // namespace vx::tune
