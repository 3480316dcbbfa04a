// Without Windows, restart requests are recorded.
#include "platform/host/HostSystemRestart.h"

namespace vx::platform {

template <>
SystemRestart& DefaultService<SystemRestart>()
{
    static HostSystemRestart restart;
    return restart;
}

}  // namespace vx::platform
