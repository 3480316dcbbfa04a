#pragma once
// velocitrex-sim: the real program on the headless backend, driven by a script.
// Adds to the common simulator the option --running-copy (a running copy's
// window is there to be found), the commands dblclick-tray and rclick-tray, the
// flags changesPending, rebootDeferred and changesMade, and the transcript
// events of sounds, shell requests, the tray icon, restarts and the exit.
#include "ui/host/script/Simulator.h"

namespace vx::app {

class VelocitrexSim : public ui::script::SimulatedProgram {
public:
    std::string Name() const override { return "velocitrex-sim"; }
    std::string OptionsUsage() const override { return "[--running-copy]"; }
    bool Option(const std::string& flag) override;
    void Run(ui::script::SimulatorContext& context) override;
    bool Command(const ui::script::ScriptLine& line, ui::script::ScriptRunner& runner) override;
    std::optional<bool> Flag(const std::string& name) override;

private:
    bool runningCopy_ = false;
    class SimTrayArea* tray_ = nullptr;
};

}  // namespace vx::app
