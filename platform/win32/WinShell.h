#pragma once
#include "platform/Shell.h"

namespace vx::platform {

class WinShell : public Shell {
public:
    bool Execute(const ShellRequest& request) override;
};

}  // namespace vx::platform
