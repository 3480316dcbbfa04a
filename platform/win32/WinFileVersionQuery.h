#pragma once
#include "platform/FileVersionQuery.h"

namespace vx::platform {

class WinFileVersionQuery : public FileVersionQuery {
public:
    std::optional<FileVersionNumbers> Query(const std::string& fileName) override;
};

}  // namespace vx::platform
