#pragma once
#include "platform/VersionQuery.h"

namespace vx::platform {

class WinVersionQuery : public VersionQuery {
public:
    std::optional<OsVersion> GetVersion() override;
};

}  // namespace vx::platform
