#pragma once
#include "platform/PrivateProfile.h"

namespace vx::platform {

class WinPrivateProfile : public PrivateProfile {
public:
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& fallback, const std::string& fileName) override;
};

}  // namespace vx::platform
