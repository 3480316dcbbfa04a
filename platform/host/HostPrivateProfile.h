#pragma once
#include <string_view>

#include "platform/PrivateProfile.h"

namespace vx::platform {

// Our own reader of INI files, following the system's rules (see PrivateProfile).
// Lines starting with ";" are comments; lines before the first section belong to none.
class HostPrivateProfile : public PrivateProfile {
public:
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& fallback, const std::string& fileName) override;
};

// The same lookup in INI text already read.
std::string FindProfileString(std::string_view iniText, std::string_view section,
                              std::string_view key, const std::string& fallback);

}  // namespace vx::platform
