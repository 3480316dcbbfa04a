#pragma once
#include "platform/FileSystem.h"

namespace vx::platform {

// Files through the ANSI calls of Windows 95 and NT 4.
class WinFileSystem : public FileSystem {
public:
    // Whether Rename may use MoveFileExA, which it looks up at run time: Windows 95,
    // 98 and Me have none that works, and there a file in the way is first moved
    // aside instead. Tests turn it off to take that road on any Windows.
    explicit WinFileSystem(bool useMoveFileEx = true) : useMoveFileEx_(useMoveFileEx) {}

    PathKind Kind(const std::string& path) override;
    std::optional<std::string> ReadAll(const std::string& path) override;
    bool WriteAll(const std::string& path, std::string_view bytes) override;
    bool Delete(const std::string& path) override;
    bool Rename(const std::string& from, const std::string& to) override;
    bool Copy(const std::string& from, const std::string& to) override;
    bool MakeDirectory(const std::string& path) override;
    bool RemoveEmptyDirectory(const std::string& path) override;
    std::optional<std::uint32_t> Attributes(const std::string& path) override;
    bool SetAttributes(const std::string& path, std::uint32_t attributes) override;

private:
    bool useMoveFileEx_;
};

}  // namespace vx::platform
