#pragma once
// Windows path texts taken apart, for the host services that stand in for the
// file system: "C:\a\..\b\" is drive C, names {"b"}, with a trailing backslash.
#include <optional>
#include <string>
#include <vector>

namespace vx::platform {

struct WindowsPathParts {
    char drive = 'C';                 // upper case
    std::vector<std::string> names;   // "." and ".." resolved
    bool trailingBackslash = false;
};

// Either separator; nullopt without a drive letter and a backslash after it
// ("C:name" is relative to the drive's current directory).
std::optional<WindowsPathParts> SplitWindowsPath(const std::string& path);

}  // namespace vx::platform
