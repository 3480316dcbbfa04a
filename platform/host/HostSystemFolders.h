#pragma once
#include "platform/SystemFolders.h"

namespace vx::platform {

// The folders of a standard Windows 98 installation on drive C, or as set.
class HostSystemFolders : public SystemFolders {
public:
    std::string TemporaryDirectory() override { return temporary_; }
    std::string WindowsDirectory() override { return windows_; }

    void SetTemporaryDirectory(std::string path) { temporary_ = std::move(path); }
    void SetWindowsDirectory(std::string path) { windows_ = std::move(path); }

private:
    std::string temporary_ = "C:\\WINDOWS\\TEMP\\";
    std::string windows_ = "C:\\WINDOWS";
};

}  // namespace vx::platform
