#pragma once
// The part of a program's simulator that does not depend on the program: the
// options every simulator takes, the registry file, the Windows version, the
// script and its transcript, and the exit statuses.
//
//     NAME --registry FILE [--os VERSION] [--args "ARGS"] [--deny-writes KEY]...
//          [--script FILE] [--shots DIR] [program options]
//
// Exit status: 0; 1 when an expectation fails or a command cannot be carried out
// (the registry is then not saved); 2 usage; 3 registry file errors.
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/VersionQuery.h"
#include "ui/host/script/ScriptRunner.h"
#include "ui/host/script/Transcript.h"

namespace vx::ui::script {

struct SimulatorOptions {
    std::string registryFile;
    std::optional<platform::OsVersion> os;
    std::string args;                     // the program's command line
    std::vector<std::string> denyWrites;  // keys refusing changes
    std::string scriptFile;               // "": standard input
    std::string shotsDir;
};

// What the simulator has ready when the program starts.
struct SimulatorContext {
    const SimulatorOptions& options;
    HostBackend& backend;
    HostUser& user;
    Transcript& transcript;
};

// The program's side. Its ScriptExtension part adds commands and flags.
class SimulatedProgram : public ScriptExtension {
public:
    // "velocitrex-sim"
    virtual std::string Name() const = 0;
    // Usage lines of the program's own options, "" for none.
    virtual std::string OptionsUsage() const { return {}; }
    // A program option without value ("--running-copy"); false when unknown.
    virtual bool Option(const std::string&) { return false; }
    // Runs the program from start until it exits; the simulator ends the run when
    // the program waits for input no script will give (the resident state).
    virtual void Run(SimulatorContext& context) = 0;
};

enum SimulatorExit { SimOk = 0, SimFailed = 1, SimUsage = 2, SimRegistryError = 3 };

// args: the command line without the program name. scriptText: the script when
// no --script is given (standard input, read by the caller).
int RunSimulator(const std::vector<std::string>& args, SimulatedProgram& program, std::FILE* out, std::FILE* err,
                 const std::function<std::optional<std::string>()>& readStandardInput);

// The options of a command line; nullopt with the reason in `error`.
std::optional<SimulatorOptions> ParseSimulatorOptions(const std::vector<std::string>& args, SimulatedProgram& program,
                                                      std::string& error);

}  // namespace vx::ui::script
