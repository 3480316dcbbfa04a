#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "platform/CurrentService.h"

namespace vx::platform {

// The file version of a program's version resource, as major.minor.release.build.
struct FileVersionNumbers {
    uint16_t major = 0;
    uint16_t minor = 0;
    uint16_t release = 0;
    uint16_t build = 0;
    bool operator==(const FileVersionNumbers&) const = default;
};

class FileVersionQuery {
public:
    virtual ~FileVersionQuery() = default;
    // nullopt when the file has no version resource or cannot be read.
    virtual std::optional<FileVersionNumbers> Query(const std::string& fileName) = 0;
};

// A file without version information reads as 0.0.0.0.
inline FileVersionNumbers GetFileVersionNumbers(const std::string& fileName)
{
    return CurrentService<FileVersionQuery>::Get().Query(fileName).value_or(FileVersionNumbers{});
}

}  // namespace vx::platform
