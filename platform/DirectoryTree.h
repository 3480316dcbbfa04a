#pragma once
// The drives and directories that the setup's directory page lists.
#include <algorithm>
#include <cctype>
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

// In order without regard to case, as directory listings show them.
inline void SortDirectoryNames(std::vector<std::string>& names)
{
    auto lessNoCase = [](const std::string& a, const std::string& b) {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
            return std::toupper(static_cast<unsigned char>(x)) < std::toupper(static_cast<unsigned char>(y));
        });
    };
    std::sort(names.begin(), names.end(), lessNoCase);
}

inline DirectoryTree& Directories()
{
    return CurrentService<DirectoryTree>::Get();
}

}  // namespace vx::platform
