#pragma once
#include "platform/CommandLauncher.h"

namespace vx::platform {

class WinCommandLauncher : public CommandLauncher {
public:
    bool Start(const std::string& commandLine) override;
};

}  // namespace vx::platform
