// Without Windows, the version is whatever was set (Windows XP at first).
#include "platform/host/HostVersionQuery.h"

namespace vx::platform {

template <>
VersionQuery& DefaultService<VersionQuery>()
{
    static HostVersionQuery query;
    return query;
}

}  // namespace vx::platform
