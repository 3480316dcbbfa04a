// Without Windows, the computer has a fixed name.
#include "platform/host/HostComputerName.h"

namespace vx::platform {

template <>
ComputerName& DefaultService<ComputerName>()
{
    static HostComputerName name;
    return name;
}

}  // namespace vx::platform
