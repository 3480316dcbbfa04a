#include "uninstall/RestartWindows.h"

#include "platform/SystemRestart.h"

namespace vx::uninstall {

bool RestartWindows()
{
    platform::SystemRestart& system = platform::CurrentSystemRestart();
    // 95, 98 and Me have no tokens; the request is made all the same.
    if (auto token = system.OpenProcessToken(platform::TokenAdjustPrivileges | platform::TokenQuery)) {
        if (auto privilege = system.LookupPrivilege("SeShutdownPrivilege")) {
            system.AdjustPrivilege(*token, *privilege, platform::PrivilegeEnabled);
        }
        system.CloseToken(*token);
    }
    return system.ExitSession(platform::ExitReboot);
}

}  // namespace vx::uninstall
