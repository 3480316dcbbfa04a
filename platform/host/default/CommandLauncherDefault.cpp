// Without Windows, the recording host service.
#include "platform/host/HostCommandLauncher.h"

namespace vx::platform {

template <>
CommandLauncher& DefaultService<CommandLauncher>()
{
    static HostCommandLauncher service;
    return service;
}

}  // namespace vx::platform
