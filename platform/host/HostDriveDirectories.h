#pragma once
// The directory tree of a HostDriveFileSystem: its drives and the directories on them.
#include "platform/DirectoryTree.h"
#include "platform/host/HostDriveFileSystem.h"

namespace vx::platform {

class HostDriveDirectories : public DirectoryTree {
public:
    explicit HostDriveDirectories(HostDriveFileSystem& files) : files_(files) {}

    std::vector<char> Drives() override;
    std::vector<std::string> Subdirectories(const std::string& directory) override;

private:
    HostDriveFileSystem& files_;
};

}  // namespace vx::platform
