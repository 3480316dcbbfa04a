#pragma once
#include <string>

#include "platform/CurrentService.h"

namespace vx::platform {

// Reads INI files the way the system's private-profile reader does: section and
// key names without regard to letter case, the first match wins, blanks around
// names and values and one pair of enclosing quotes are dropped, and a missing
// file, section or key gives the default.
class PrivateProfile {
public:
    virtual ~PrivateProfile() = default;
    virtual std::string ReadString(const std::string& section, const std::string& key,
                                   const std::string& fallback, const std::string& fileName) = 0;
};

inline std::string ReadProfileString(const std::string& section, const std::string& key,
                                     const std::string& fallback, const std::string& fileName)
{
    return CurrentService<PrivateProfile>::Get().ReadString(section, key, fallback, fileName);
}

}  // namespace vx::platform
