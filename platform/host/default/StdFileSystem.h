#pragma once
#include "platform/FileSystem.h"

namespace vx::platform {

// The file system through the C++ standard library, for systems other than
// Windows. Names are used as given (no drive letters, "/" between names).
class StdFileSystem : public FileSystem {
public:
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
};

}  // namespace vx::platform
