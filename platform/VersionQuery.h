#pragma once
#include <cstdint>
#include <optional>

#include "platform/CurrentService.h"

namespace vx::platform {

// The fields of the system's version record that the programs look at.
struct OsVersion {
    uint32_t major = 0;
    uint32_t minor = 0;
    uint32_t platformId = 0;  // 0 Win32s, 1 Windows 9x, 2 Windows NT
    bool operator==(const OsVersion&) const = default;
};

class VersionQuery {
public:
    virtual ~VersionQuery() = default;
    // nullopt when the system refuses the query.
    virtual std::optional<OsVersion> GetVersion() = 0;
};

inline std::optional<OsVersion> QueryOsVersion()
{
    return CurrentService<VersionQuery>::Get().GetVersion();
}

}  // namespace vx::platform
