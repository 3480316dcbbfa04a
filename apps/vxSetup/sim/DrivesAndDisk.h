#pragma once
// The simulator's files: Windows paths ("C:\...") on the simulated drives, every
// other path (the script, the registry file, screenshots) on the real disk.
#include "platform/FileSystem.h"
#include "platform/host/HostDriveFileSystem.h"

namespace vx::setup::sim {

class DrivesAndDisk : public platform::FileSystem {
public:
    DrivesAndDisk(platform::HostDriveFileSystem& drives, platform::FileSystem& disk) : drives_(drives), disk_(disk) {}

    platform::PathKind Kind(const std::string& path) override { return For(path).Kind(path); }
    std::optional<std::string> ReadAll(const std::string& path) override { return For(path).ReadAll(path); }
    bool WriteAll(const std::string& path, std::string_view bytes) override { return For(path).WriteAll(path, bytes); }
    bool Delete(const std::string& path) override { return For(path).Delete(path); }
    bool Rename(const std::string& from, const std::string& to) override;
    bool Copy(const std::string& from, const std::string& to) override;
    bool MakeDirectory(const std::string& path) override { return For(path).MakeDirectory(path); }
    bool RemoveEmptyDirectory(const std::string& path) override { return For(path).RemoveEmptyDirectory(path); }
    std::optional<std::uint32_t> Attributes(const std::string& path) override { return For(path).Attributes(path); }
    bool SetAttributes(const std::string& path, std::uint32_t attributes) override
    {
        return For(path).SetAttributes(path, attributes);
    }

private:
    static bool OnDrive(const std::string& path) { return path.size() >= 2 && path[1] == ':'; }
    platform::FileSystem& For(const std::string& path) { return OnDrive(path) ? drives_ : disk_; }

    platform::HostDriveFileSystem& drives_;
    platform::FileSystem& disk_;
};

}  // namespace vx::setup::sim
