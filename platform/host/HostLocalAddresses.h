#pragma once
#include "platform/LocalAddresses.h"

namespace vx::platform {

// Answers with a scripted host (loopback only at first), or fails when it is set
// to nullopt.
class HostLocalAddresses : public LocalAddresses {
public:
    std::optional<LocalHost> Lookup() override
    {
        ++lookups_;
        return host_;
    }

    void Set(std::optional<LocalHost> host) { host_ = std::move(host); }
    int Lookups() const { return lookups_; }

private:
    std::optional<LocalHost> host_ = LocalHost{"vxhost", {"127.0.0.1"}};
    int lookups_ = 0;
};

}  // namespace vx::platform
