// Without Windows, INI files are read by our own reader.
#include "platform/host/HostPrivateProfile.h"

namespace vx::platform {

template <>
PrivateProfile& DefaultService<PrivateProfile>()
{
    static HostPrivateProfile profile;
    return profile;
}

}  // namespace vx::platform
