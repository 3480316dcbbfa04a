#include "apps/vxtune/Tool.h"

#include <memory>

#include "apps/vxtune/Command.h"
#include "apps/vxtune/Options.h"
#include "apps/vxtune/RegistryFileSession.h"
#include "common/PlatformKind.h"
#include "platform/host/HostVersionQuery.h"

namespace vx::tune {
namespace {

#ifdef _WIN32
constexpr bool kHasSystemRegistry = true;
#else
constexpr bool kHasSystemRegistry = false;
#endif

std::vector<Command> AllCommands()
{
    std::vector<Command> commands;
    for (auto group : {CatalogueCommands, LinkCommands, EngineCommands})
        for (Command& command : group())
            commands.push_back(std::move(command));
    return commands;
}

void PrintUsage(TextOutput& err, const std::vector<Command>& commands)
{
    err << "usage: vxtune [--registry FILE] [--os VERSION] COMMAND\n"
        << "VERSION: " << OsVersionNames() << "\n"
        << "commands:";
    for (const Command& command : commands)
        err << "\n  " << command.name << (command.synopsis.empty() ? "" : " ") << command.synopsis
            << (command.needsRegistryFile ? "  (needs --registry FILE)" : "");
    err << "\n";
}

int Usage(TextOutput& err, const std::string& problem, const std::vector<Command>& commands)
{
    err << "vxtune: " << problem << "\n";
    PrintUsage(err, commands);
    return ExitUsage;
}

const Command* FindCommand(const std::vector<Command>& commands, const std::string& name)
{
    for (const Command& candidate : commands)
        if (candidate.name == name)
            return &candidate;
    return nullptr;
}

// The problem with the command line, or "" when it can run.
std::string CheckCommand(const Options& options, const Command* command)
{
    if (!command)
        return "unknown command " + options.command;
    if (options.args.size() < command->minArgs || options.args.size() > command->maxArgs)
        return "wrong arguments for " + options.command;
    if (!options.registryFile && !kHasSystemRegistry)
        return "--registry FILE is required on this system";
    if (!options.registryFile && command->needsRegistryFile)
        return options.command + " needs --registry FILE";
    return "";
}

}  // namespace

int RunTool(const std::vector<std::string>& args, TextOutput& out, TextOutput& err)
{
    const std::vector<Command> commands = AllCommands();
    std::string problem;
    std::optional<Options> options = ParseOptions(args, problem);
    if (!options)
        return Usage(err, problem, commands);
    const Command* command = FindCommand(commands, options->command);
    if (problem = CheckCommand(*options, command); !problem.empty())
        return Usage(err, problem, commands);

    // --os names the version record; off Windows there is no real one to ask.
    platform::HostVersionQuery namedVersion;
    std::unique_ptr<platform::ScopedService<platform::VersionQuery>> versionOverride;
    if (options->os || !kHasSystemRegistry) {
        namedVersion.Set(options->os.value_or(*OsVersionByName("xp")));
        versionOverride = std::make_unique<platform::ScopedService<platform::VersionQuery>>(namedVersion);
    }

    std::unique_ptr<RegistryFileSession> file;
    if (options->registryFile) {
        file = std::make_unique<RegistryFileSession>(*options->registryFile);
        if (auto error = file->Load()) {
            err << "vxtune: " << *error << "\n";
            return ExitRegistryFile;
        }
    }

    ScopedPlatformKind freshStart(PlatformKind::Unknown);
    DetectPlatform();
    CommandContext context{options->args, out, err, file ? &file->Registry() : nullptr};
    int status = command->run(context);
    out.Flush();

    if (file) {
        if (auto error = file->SaveIfChanged()) {
            err << "vxtune: " << *error << "\n";
            return ExitRegistryFile;
        }
    }
    return status;
}

}  // namespace vx::tune
