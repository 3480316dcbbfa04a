#include "platform/host/HostDriveDirectories.h"

#include <filesystem>
#include <system_error>

namespace vx::platform {
namespace fs = std::filesystem;

std::vector<char> HostDriveDirectories::Drives()
{
    std::vector<char> drives;
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        if (files_.Kind(std::string(1, letter) + ":\\") == PathKind::Directory)
            drives.push_back(letter);
    return drives;
}

std::vector<std::string> HostDriveDirectories::Subdirectories(const std::string& directory)
{
    std::vector<std::string> names;
    const auto host = files_.HostPath(directory);
    if (!host)
        return names;
    std::error_code error;
    for (fs::directory_iterator it(*host, error), end; !error && it != end; it.increment(error))
        if (it->is_directory(error))
            names.push_back(it->path().filename().string());
    SortDirectoryNames(names);
    return names;
}

}  // namespace vx::platform
