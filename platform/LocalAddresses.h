#pragma once
// The local host's name and its addresses, looked up through Windows Sockets 1.1
// (gethostname, gethostbyname, inet_ntoa); the socket library is started and
// released inside each lookup.
#include <optional>
#include <string>
#include <vector>

#include "platform/CurrentService.h"

namespace vx::platform {

struct LocalHost {
    std::string name;
    std::vector<std::string> addresses;  // dotted decimal, in the order of the host's address list
    bool operator==(const LocalHost&) const = default;
};

class LocalAddresses {
public:
    virtual ~LocalAddresses() = default;
    // nullopt when the socket library cannot start, the host has no name or the
    // name does not resolve.
    virtual std::optional<LocalHost> Lookup() = 0;
};

inline std::optional<LocalHost> LookUpLocalHost()
{
    return CurrentService<LocalAddresses>::Get().Lookup();
}

}  // namespace vx::platform
