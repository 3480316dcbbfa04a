// Without a taskbar, the notification area is recorded.
#include "widgets/HostTrayArea.h"

namespace vx::platform {

template <>
widgets::TrayArea& DefaultService<widgets::TrayArea>()
{
    static widgets::HostTrayArea area;
    return area;
}

}  // namespace vx::platform
