#pragma once
// vxsetup-sim's program side: the real setup on the headless backend over a
// simulated machine whose drives are a real directory (DIR/C/ is drive C).
//
//     vxsetup-sim --registry FILE --root DIR [--os VERSION] [--running-copy]
//                 [--deny-writes KEY]... [--script FILE] [--shots DIR]
//
// The Windows directory is C:\WINDOWS, the temporary directory C:\WINDOWS\TEMP\,
// where setup's own program file lies; the other folders come from the registry.
// Transcript events besides the windows': mkdir, copy, delete, attributes,
// link "TARGET" "LINKFILE", exec "COMMANDLINE", post-close "TITLE".
#include <string>

#include "ui/host/script/Simulator.h"

namespace vx::setup::sim {

class SetupSimulation : public ui::script::SimulatedProgram {
public:
    explicit SetupSimulation(std::string root) : root_(std::move(root)) {}

    std::string Name() const override { return "vxsetup-sim"; }
    std::string OptionsUsage() const override { return "--root DIR [--running-copy]"; }
    bool Option(const std::string& option) override;
    void Run(ui::script::SimulatorContext& context) override;

    // "expect flag NAME on|off": installFailed, quitAtShow, addDesktopIcon, addStartMenuLinks.
    std::optional<bool> Flag(const std::string& name) override;

private:
    std::string root_;
    bool runningCopy_ = false;
};

// Takes "--root DIR" out of the arguments; "" when it is missing or has no value.
std::string TakeRootOption(std::vector<std::string>& args);

}  // namespace vx::setup::sim
