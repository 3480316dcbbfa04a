#include "apps/velocitrex/sim/VelocitrexSim.h"

#include "apps/velocitrex/VelocitrexProgram.h"
#include "apps/velocitrex/sim/SimServices.h"
#include "dispatcher/ProgramState.h"
#include "platform/host/HostSystemRestart.h"
#include "platform/host/HostTopWindows.h"
#include "ui/Application.h"
#include "ui/host/HostBackend.h"
#include "widgets/TrayArea.h"

namespace vx::app {

namespace {

// The command line as the program's runtime splits it: at blanks.
std::vector<std::string> SplitArguments(const std::string& line)
{
    std::vector<std::string> args;
    std::string word;
    for (char c : line + " ") {
        if (c != ' ' && c != '\t') {
            word += c;
        } else if (!word.empty()) {
            args.push_back(word);
            word.clear();
        }
    }
    return args;
}

}  // namespace

bool VelocitrexSim::Option(const std::string& flag)
{
    if (flag != "--running-copy")
        return false;
    runningCopy_ = true;
    return true;
}

void VelocitrexSim::Run(ui::script::SimulatorContext& context)
{
    ui::script::Transcript& transcript = context.transcript;
    SimSoundPlayer sounds(transcript);
    platform::ScopedService<platform::SoundPlayer> soundScope(sounds);
    SimShell shell(transcript);
    platform::ScopedService<platform::Shell> shellScope(shell);
    SimTrayArea tray(transcript);
    platform::ScopedService<widgets::TrayArea> trayScope(tray);
    tray_ = &tray;
    platform::HostSystemRestart restart;
    restart.OnExitSession = [&transcript](std::uint32_t flags, bool) {
        transcript.Event("restart", std::to_string(flags));
    };
    platform::ScopedService<platform::SystemRestart> restartScope(restart);
    platform::HostTopWindows windows([&context] { return context.backend.NowMs(); });
    if (runningCopy_)
        windows.Add("Velocitrex");
    platform::ScopedService<platform::TopWindows> windowsScope(windows);

    struct ClearTray {
        VelocitrexSim& sim;
        ~ClearTray() { sim.tray_ = nullptr; }
    } clearTray{*this};
    dispatcher::Program() = dispatcher::ProgramState{};
    RunVelocitrex(context.backend, SplitArguments(context.options.args));
    transcript.Event("exit");
}

bool VelocitrexSim::Command(const ui::script::ScriptLine& line, ui::script::ScriptRunner&)
{
    const std::string& verb = line.words.front();
    if (verb != "dblclick-tray" && verb != "rclick-tray")
        return false;
    ui::script::RequireWords(line, 1);
    if (!tray_ || !tray_->IconShown())
        throw ui::script::ScriptError(line, "no icon in the notification area");
    tray_->SendMouse(verb == "dblclick-tray" ? widgets::TrayLeftButtonDouble : widgets::TrayRightButtonUp);
    // The shell's message arrives now, as the click's answer.
    ui::Application::Current().ProcessMessages();
    return true;
}

std::optional<bool> VelocitrexSim::Flag(const std::string& name)
{
    const dispatcher::ProgramState& state = dispatcher::Program();
    if (name == "changesPending")
        return state.changesPending;
    if (name == "rebootDeferred")
        return state.rebootDeferred;
    if (name == "changesMade")
        return state.changesMade;
    return std::nullopt;
}

}  // namespace vx::app
