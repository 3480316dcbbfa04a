#pragma once
#include "platform/DelayedDelete.h"

namespace vx::platform {

class WinDelayedDelete : public DelayedDelete {
public:
    std::string WindowsDirectory() override;
    std::string ShortPath(const std::string& path) override;
    bool DeleteAtRestart(const std::string& path) override;
};

}  // namespace vx::platform
