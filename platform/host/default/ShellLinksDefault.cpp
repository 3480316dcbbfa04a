// Without Windows, the recording host service.
#include "platform/host/HostShellLinks.h"

namespace vx::platform {

template <>
ShellLinks& DefaultService<ShellLinks>()
{
    static HostShellLinks service;
    return service;
}

}  // namespace vx::platform
