// Without Windows, the deletions are recorded only.
#include "platform/host/HostDelayedDelete.h"

namespace vx::platform {

template <>
DelayedDelete& DefaultService<DelayedDelete>()
{
    static HostDelayedDelete files;
    return files;
}

}  // namespace vx::platform
