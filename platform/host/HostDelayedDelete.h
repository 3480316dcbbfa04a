#pragma once
// Records the files given to MoveFileExA's delayed delete instead of asking a system.
#include <string>
#include <vector>

#include "platform/DelayedDelete.h"

namespace vx::platform {

class HostDelayedDelete : public DelayedDelete {
public:
    explicit HostDelayedDelete(std::string windowsDirectory = "C:\\WINDOWS")
        : windowsDirectory_(std::move(windowsDirectory))
    {
    }

    std::string WindowsDirectory() override { return windowsDirectory_; }
    std::string ShortPath(const std::string& path) override { return path; }
    bool DeleteAtRestart(const std::string& path) override
    {
        if (refuse) {
            return false;
        }
        scheduled.push_back(path);
        return true;
    }

    bool refuse = false;  // as without administrator rights, or on 95, 98 and Me
    std::vector<std::string> scheduled;

private:
    std::string windowsDirectory_;
};

}  // namespace vx::platform
