// Without Windows, the real file system through the standard library.
#include "platform/host/default/StdFileSystem.h"

namespace vx::platform {

template <>
FileSystem& DefaultService<FileSystem>()
{
    static StdFileSystem files;
    return files;
}

}  // namespace vx::platform
