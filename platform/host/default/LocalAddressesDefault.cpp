// Without Windows, the local host is the loopback address.
#include "platform/host/HostLocalAddresses.h"

namespace vx::platform {

template <>
LocalAddresses& DefaultService<LocalAddresses>()
{
    static HostLocalAddresses addresses;
    return addresses;
}

}  // namespace vx::platform
