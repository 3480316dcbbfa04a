// vxtune: shows and scripts a machine's TCP/IP tuning from the command line.
#include <iostream>
#include <memory>

#include "apps/vxtune/Command.h"
#include "apps/vxtune/Options.h"
#include "common/MemoryRegistry.h"
#include "common/PlatformKind.h"
#include "common/RegFile.h"
#include "platform/host/HostVersionQuery.h"

namespace vx::tune {
namespace {

std::vector<Command> AllCommands()
{
    std::vector<Command> commands;
    for (auto group : {CatalogueCommands})
        for (Command& command : group())
            commands.push_back(std::move(command));
    return commands;
}

void PrintUsage(std::ostream& err, const std::vector<Command>& commands)
{
    err << "usage: vxtune [--registry FILE] [--os VERSION] COMMAND\n"
        << "commands:";
    for (const Command& command : commands)
        err << "\n  " << command.name << (command.synopsis.empty() ? "" : " ") << command.synopsis;
    err << "\n";
}

int Usage(std::ostream& err, const std::string& problem, const std::vector<Command>& commands)
{
    err << "vxtune: " << problem << "\n";
    PrintUsage(err, commands);
    return ExitUsage;
}

#ifdef _WIN32
constexpr bool kHasSystemRegistry = true;
#else
constexpr bool kHasSystemRegistry = false;
#endif

int Run(const std::vector<std::string>& argv)
{
    const std::vector<Command> commands = AllCommands();
    std::string problem;
    std::optional<Options> options = ParseOptions(argv, problem);
    if (!options)
        return Usage(std::cerr, problem, commands);

    const Command* command = nullptr;
    for (const Command& candidate : commands)
        if (candidate.name == options->command)
            command = &candidate;
    if (!command)
        return Usage(std::cerr, "unknown command " + options->command, commands);
    if (options->args.size() < command->minArgs || options->args.size() > command->maxArgs)
        return Usage(std::cerr, "wrong arguments for " + options->command, commands);
    if (!options->registryFile && !kHasSystemRegistry)
        return Usage(std::cerr, "--registry FILE is required on this system", commands);

    platform::HostVersionQuery namedVersion;
    std::unique_ptr<platform::ScopedService<platform::VersionQuery>> versionOverride;
    if (options->os || !kHasSystemRegistry) {
        namedVersion.Set(options->os.value_or(*OsVersionByName("xp")));
        versionOverride = std::make_unique<platform::ScopedService<platform::VersionQuery>>(namedVersion);
    }

    MemoryRegistry fileRegistry;
    std::unique_ptr<ScopedRegistryBackend> registryOverride;
    std::string before;
    if (options->registryFile) {
        if (auto error = LoadRegFile(fileRegistry, *options->registryFile)) {
            std::cerr << "vxtune: " << *error << "\n";
            return ExitRegistryFile;
        }
        before = FormatRegedit4(fileRegistry);
        registryOverride = std::make_unique<ScopedRegistryBackend>(fileRegistry);
    }

    DetectPlatform();
    CommandContext context{options->args, std::cout, std::cerr};
    int status = command->run(context);
    std::cout.flush();

    if (options->registryFile && FormatRegedit4(fileRegistry) != before) {
        if (auto error = SaveRegFile(fileRegistry, *options->registryFile)) {
            std::cerr << "vxtune: " << *error << "\n";
            return ExitRegistryFile;
        }
    }
    return status;
}

}  // namespace
}  // namespace vx::tune

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    return vx::tune::Run(args);
}
