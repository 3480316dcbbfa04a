// Default services of the Windows build: the real system.
#include "platform/win32/WinMessageBoxes.h"
#include "platform/win32/WinVersionQuery.h"

namespace vx::platform {

template <>
MessageBoxes& DefaultService<MessageBoxes>()
{
    static WinMessageBoxes boxes;
    return boxes;
}

template <>
VersionQuery& DefaultService<VersionQuery>()
{
    static WinVersionQuery query;
    return query;
}

}  // namespace vx::platform
