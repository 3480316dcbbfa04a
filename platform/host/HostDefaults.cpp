// Default services of a build without Windows: the recording host implementations.
#include "platform/host/HostMessageBoxes.h"
#include "platform/host/HostVersionQuery.h"

namespace vx::platform {

template <>
MessageBoxes& DefaultService<MessageBoxes>()
{
    static HostMessageBoxes boxes;
    return boxes;
}

template <>
VersionQuery& DefaultService<VersionQuery>()
{
    static HostVersionQuery query;
    return query;
}

}  // namespace vx::platform
