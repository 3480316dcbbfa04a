// A build without Windows has no system registry: it starts with an empty one.
#include "common/MemoryRegistry.h"

namespace vx::platform {

template <>
RegistryBackend& DefaultService<RegistryBackend>()
{
    static MemoryRegistry registry;
    return registry;
}

}  // namespace vx::platform
