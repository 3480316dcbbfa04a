#pragma once
#include "platform/LocalAddresses.h"

namespace vx::platform {

// Windows Sockets 1.1 from wsock32.dll, loaded for each lookup.
class WinLocalAddresses : public LocalAddresses {
public:
    std::optional<LocalHost> Lookup() override;
};

}  // namespace vx::platform
