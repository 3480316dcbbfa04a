// Without Windows, the recording host service.
#include "platform/host/HostSystemFolders.h"

namespace vx::platform {

template <>
SystemFolders& DefaultService<SystemFolders>()
{
    static HostSystemFolders service;
    return service;
}

}  // namespace vx::platform
