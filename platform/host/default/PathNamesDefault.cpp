// Without Windows, the recording host service.
#include "platform/host/HostPathNames.h"

namespace vx::platform {

template <>
PathNames& DefaultService<PathNames>()
{
    static HostPathNames service;
    return service;
}

}  // namespace vx::platform
