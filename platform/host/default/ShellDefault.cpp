// Without Windows, shell requests are recorded.
#include "platform/host/HostShell.h"

namespace vx::platform {

template <>
Shell& DefaultService<Shell>()
{
    static HostShell shell;
    return shell;
}

}  // namespace vx::platform
