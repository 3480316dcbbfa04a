#pragma once
// Builds an archive for the stub; used by the packer and the tests, never shipped.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vx::package {

struct PackageFile {
    std::string name;
    std::string bytes;
};

// The archive with its trailer, to append to the stub; nullopt when a name is
// not a plain file name, comes twice, or a file is too large for the format.
std::optional<std::string> BuildArchive(const std::vector<PackageFile>& files);

}  // namespace vx::package
