// Without Windows, message boxes are recorded.
#include "platform/host/HostMessageBoxes.h"

namespace vx::platform {

template <>
MessageBoxes& DefaultService<MessageBoxes>()
{
    static HostMessageBoxes boxes;
    return boxes;
}

}  // namespace vx::platform
