#pragma once
#include "platform/PathNames.h"

namespace vx::platform {

class WinPathNames : public PathNames {
public:
    std::string FullPath(const std::string& path) override;
    std::string ShortPath(const std::string& path) override;
};

}  // namespace vx::platform
