// Without Windows, no other program has a window.
#include "platform/host/HostTopWindows.h"

namespace vx::platform {

template <>
TopWindows& DefaultService<TopWindows>()
{
    static HostTopWindows windows;
    return windows;
}

}  // namespace vx::platform
