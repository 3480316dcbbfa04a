#include "ui/host/script/Simulator.h"

#include "common/MemoryRegistry.h"
#include "common/RegFile.h"
#include "platform/FileSystem.h"
#include "platform/host/HostVersionQuery.h"
#include "platform/host/OsVersionNames.h"
#include "ui/host/HostBackend.h"
#include "ui/host/HostUser.h"
#include "ui/host/script/WriteDenyingRegistry.h"

namespace vx::ui::script {

namespace {

void Print(std::FILE* stream, const std::string& text)
{
    std::fputs(text.c_str(), stream);
}

std::string Usage(SimulatedProgram& program)
{
    return "usage: " + program.Name() +
           " --registry FILE [--os VERSION] [--args \"ARGS\"] [--deny-writes KEY]... [--script FILE] [--shots DIR]" +
           (program.OptionsUsage().empty() ? "" : " " + program.OptionsUsage()) +
           "\nVERSION: " + platform::OsVersionNames() + "\n";
}

// Runs the program and reports what stopped it: "" when it exited or waits idle.
std::string RunProgram(SimulatedProgram& program, SimulatorContext& context, ScriptRunner& runner)
{
    auto where = [&] { return runner.Current() ? runner.Current()->Where() + ": " : std::string(); };
    try {
        program.Run(context);
    } catch (const HostIdleError&) {
        // Nothing scripted and no timer: the program rests, as a resident one does.
    } catch (const ScriptError& error) {
        return error.what();
    } catch (const HostUnansweredError& error) {
        return where() + "no answer for " + error.what();
    } catch (const std::exception& error) {
        return where() + error.what();
    }
    if (context.backend.ScriptedLeft() > 0 && runner.NotRun())
        return runner.NotRun()->Where() + ": the program has ended";
    return {};
}

}  // namespace

std::optional<SimulatorOptions> ParseSimulatorOptions(const std::vector<std::string>& args, SimulatedProgram& program,
                                                      std::string& error)
{
    SimulatorOptions options;
    bool haveRegistry = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& flag = args[i];
        if (program.Option(flag))
            continue;
        const bool takesValue = flag == "--registry" || flag == "--os" || flag == "--args" || flag == "--deny-writes" ||
                                flag == "--script" || flag == "--shots";
        if (!takesValue) {
            error = "unknown option " + flag;
            return std::nullopt;
        }
        if (i + 1 >= args.size()) {
            error = flag + " needs a value";
            return std::nullopt;
        }
        const std::string& value = args[++i];
        if (flag == "--registry") {
            options.registryFile = value;
            haveRegistry = true;
        } else if (flag == "--os") {
            options.os = platform::OsVersionByName(value);
            if (!options.os) {
                error = "unknown Windows version " + value;
                return std::nullopt;
            }
        } else if (flag == "--args") {
            options.args = value;
        } else if (flag == "--deny-writes") {
            options.denyWrites.push_back(value);
        } else if (flag == "--script") {
            options.scriptFile = value;
        } else {
            options.shotsDir = value;
        }
    }
    if (!haveRegistry) {
        error = "--registry FILE is required";
        return std::nullopt;
    }
    return options;
}

int RunSimulator(const std::vector<std::string>& args, SimulatedProgram& program, std::FILE* out, std::FILE* err,
                 const std::function<std::optional<std::string>()>& readStandardInput)
{
    std::string error;
    auto options = ParseSimulatorOptions(args, program, error);
    if (!options) {
        Print(err, program.Name() + ": " + error + "\n" + Usage(program));
        return SimUsage;
    }

    MemoryRegistry registry;
    if (auto loadError = LoadRegFile(registry, options->registryFile)) {
        Print(err, program.Name() + ": " + *loadError + "\n");
        return SimRegistryError;
    }
    WriteDenyingRegistry denying(registry);
    for (const std::string& key : options->denyWrites) {
        if (!denying.DenyAt(key)) {
            Print(err, program.Name() + ": --deny-writes: unknown root in " + key + "\n");
            return SimUsage;
        }
    }
    ScopedRegistryBackend registryScope(denying);
    platform::HostVersionQuery version;
    version.Set(options->os.value_or(*platform::OsVersionByName("xp")));
    platform::ScopedService<platform::VersionQuery> versionScope(version);

    std::string scriptName = options->scriptFile.empty() ? "<stdin>" : options->scriptFile;
    std::optional<std::string> scriptText =
        options->scriptFile.empty() ? readStandardInput() : platform::Files().ReadAll(options->scriptFile);
    if (!scriptText) {
        Print(err, program.Name() + ": cannot read the script " + scriptName + "\n");
        return SimUsage;
    }

    HostBackend backend;
    HostUser user(backend);
    Transcript transcript(backend, [out](const std::string& line) { Print(out, line + "\n"); });
    ScriptRunner runner(backend, user, program, options->shotsDir);
    SimulatorContext context{*options, backend, user, transcript};
    try {
        runner.Schedule(ParseScript(*scriptText, scriptName));
    } catch (const ScriptError& scriptError) {
        Print(err, std::string(scriptError.what()) + "\n");
        return SimFailed;
    }

    std::string failure = RunProgram(program, context, runner);
    std::fflush(out);
    if (!failure.empty()) {
        Print(err, failure + "\n");
        return SimFailed;
    }
    if (auto saveError = SaveRegFile(registry, options->registryFile)) {
        Print(err, program.Name() + ": " + *saveError + "\n");
        return SimRegistryError;
    }
    return SimOk;
}

}  // namespace vx::ui::script
