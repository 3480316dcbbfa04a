#pragma once
#include "platform/DirectoryTree.h"

namespace vx::platform {

class WinDirectoryTree : public DirectoryTree {
public:
    std::vector<char> Drives() override;
    std::vector<std::string> Subdirectories(const std::string& directory) override;
};

}  // namespace vx::platform
