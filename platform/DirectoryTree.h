#pragma once
// The drives and directories that the setup's directory page lists.
#include <string>
#include <vector>

#include "platform/CurrentService.h"

namespace vx::platform {

class DirectoryTree {
public:
    virtual ~DirectoryTree() = default;
    // Drive letters in upper case, in order.
    virtual std::vector<char> Drives() = 0;
    // The names of the directories directly inside a directory ("C:\" or
    // "C:\Program Files"), sorted without regard to case; none when it does not exist.
    virtual std::vector<std::string> Subdirectories(const std::string& directory) = 0;
};

inline DirectoryTree& Directories()
{
    return CurrentService<DirectoryTree>::Get();
}

}  // namespace vx::platform
