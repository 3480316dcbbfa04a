#pragma once
// An in-memory tree of directories for tests: the directories added, with their
// parents, on the drives of their paths.
#include <set>
#include <string>

#include "platform/DirectoryTree.h"

namespace vx::platform {

class HostDirectoryTree : public DirectoryTree {
public:
    // "C:\Program Files\Quorvex" adds C:, "C:\Program Files" and itself.
    void Add(const std::string& path);

    std::vector<char> Drives() override;
    std::vector<std::string> Subdirectories(const std::string& directory) override;

private:
    std::set<std::string> paths_;  // as added; lookups ignore case
};

}  // namespace vx::platform
