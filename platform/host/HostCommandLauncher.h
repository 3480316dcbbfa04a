#pragma once
#include <vector>

#include "platform/CommandLauncher.h"

namespace vx::platform {

// Records every command line instead of starting anything.
class HostCommandLauncher : public CommandLauncher {
public:
    bool Start(const std::string& commandLine) override
    {
        started_.push_back(commandLine);
        return succeeds_;
    }

    const std::vector<std::string>& Started() const { return started_; }
    void SetSucceeds(bool succeeds) { succeeds_ = succeeds; }

private:
    std::vector<std::string> started_;
    bool succeeds_ = true;
};

}  // namespace vx::platform
