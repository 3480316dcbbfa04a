#pragma once
#include <string>
#include <utility>
#include <vector>

#include "platform/PathNames.h"

namespace vx::platform {

// Windows' path rules without a disk: relative paths lie below `C:\`, "/" is "\",
// "." and ".." are resolved. Short names are those added.
class HostPathNames : public PathNames {
public:
    std::string FullPath(const std::string& path) override;
    std::string ShortPath(const std::string& path) override;

    // `longPath` (a full path) is known as `shortPath`, and so are paths below it.
    void AddShortName(std::string longPath, std::string shortPath);

private:
    std::vector<std::pair<std::string, std::string>> shortNames_;
};

}  // namespace vx::platform
