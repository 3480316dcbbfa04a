#pragma once
#include "platform/SystemFolders.h"

namespace vx::platform {

class WinSystemFolders : public SystemFolders {
public:
    std::string TemporaryDirectory() override;
    std::string WindowsDirectory() override;
};

}  // namespace vx::platform
