#pragma once
// The restart component: asks Windows to restart, with the shutdown privilege
// enabled for the request where Windows has privileges (NT, 2000, XP).
#include <string>

namespace vx::dispatcher {

class TWinReboot {
public:
    // flags: EWX_ flags, always 2 (restart) in this program. Whether Windows
    // accepted the request.
    bool RestartWindows(unsigned flags);
    // Enables or disables one privilege of this process's token.
    bool SetProcessPrivilege(const std::string& name, bool enable);
};

}  // namespace vx::dispatcher
