// Without Windows, an empty tree that tests fill.
#include "platform/host/HostDirectoryTree.h"

namespace vx::platform {

template <>
DirectoryTree& DefaultService<DirectoryTree>()
{
    static HostDirectoryTree tree;
    return tree;
}

}  // namespace vx::platform
