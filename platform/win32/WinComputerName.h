#pragma once
#include "platform/ComputerName.h"

namespace vx::platform {

class WinComputerName : public ComputerName {
public:
    std::optional<std::string> Query() override;
};

}  // namespace vx::platform
