// Without Windows there are no version resources; the running program answers
// with the product's version, as its resource does on Windows.
#include "platform/ProgramFile.h"
#include "platform/host/HostFileVersionQuery.h"

namespace vx::platform {

template <>
FileVersionQuery& DefaultService<FileVersionQuery>()
{
    static HostFileVersionQuery query = [] {
        HostFileVersionQuery running;
        running.Set(DefaultService<ProgramFile>().FullName(),
                    {VX_VERSION_MAJOR, VX_VERSION_MINOR, VX_VERSION_PATCH, VX_VERSION_TWEAK});
        return running;
    }();
    return query;
}

}  // namespace vx::platform
