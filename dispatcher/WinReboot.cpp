#include "dispatcher/WinReboot.h"

#include "platform/SystemRestart.h"

namespace vx::dispatcher {
namespace {

constexpr const char* ShutdownPrivilege = "SeShutdownPrivilege";

}  // namespace

bool TWinReboot::RestartWindows(unsigned flags)
{
    // Without the privilege (Windows 9x has none) the request is made all the same.
    SetProcessPrivilege(ShutdownPrivilege, true);
    const bool accepted = platform::CurrentSystemRestart().ExitSession(flags);
    SetProcessPrivilege(ShutdownPrivilege, false);
    return accepted;
}

bool TWinReboot::SetProcessPrivilege(const std::string& name, bool enable)
{
    platform::SystemRestart& system = platform::CurrentSystemRestart();
    const auto token = system.OpenProcessToken(platform::TokenAdjustPrivileges | platform::TokenQuery);
    bool result = false;
    if (const auto privilege = system.LookupPrivilege(name); privilege && token)
        result = system.AdjustPrivilege(*token, *privilege, enable ? platform::PrivilegeEnabled : 0);
    if (token)
        system.CloseToken(*token);
    return result;
}

}  // namespace vx::dispatcher
