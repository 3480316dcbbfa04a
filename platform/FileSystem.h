#pragma once
// Files and directories. On Windows only the ANSI calls that Windows 95 and NT 4
// have are used; elsewhere the standard library stands in, with Windows' rules
// where they differ (a read-only file is neither replaced nor deleted).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/CurrentService.h"

namespace vx::platform {

enum class PathKind {
    Missing,    // nothing of that name, or its directory is missing
    File,
    Directory,
    Other,      // a device, or a name the system refuses to describe
};

// Attribute bits, with the values Windows gives them.
namespace FileAttribute {
inline constexpr std::uint32_t ReadOnly = 0x01;
inline constexpr std::uint32_t Hidden = 0x02;
inline constexpr std::uint32_t System = 0x04;
inline constexpr std::uint32_t Directory = 0x10;
inline constexpr std::uint32_t Archive = 0x20;
inline constexpr std::uint32_t Normal = 0x80;  // none of the others
}  // namespace FileAttribute

class FileSystem {
public:
    virtual ~FileSystem() = default;

    virtual PathKind Kind(const std::string& path) = 0;
    // The whole file; nullopt when it is missing or cannot be read.
    virtual std::optional<std::string> ReadAll(const std::string& path) = 0;
    // Creates the file or empties it, then writes `bytes`. A failure can leave part
    // of the file written: WriteFileSafely keeps the earlier file instead.
    virtual bool WriteAll(const std::string& path, std::string_view bytes) = 0;
    // Deletes a file (not a directory).
    virtual bool Delete(const std::string& path) = 0;
    // Gives a file or directory a new name; a file already there is replaced.
    virtual bool Rename(const std::string& from, const std::string& to) = 0;
    // Copies a file; a file already at `to` is replaced.
    virtual bool Copy(const std::string& from, const std::string& to) = 0;
    // Creates one directory; false when it exists or its parent does not.
    virtual bool MakeDirectory(const std::string& path) = 0;
    virtual bool RemoveEmptyDirectory(const std::string& path) = 0;
    // FileAttribute bits; nullopt when the name does not exist.
    virtual std::optional<std::uint32_t> Attributes(const std::string& path) = 0;
    // Sets ReadOnly, Hidden, System and Archive as given; Normal alone clears them.
    virtual bool SetAttributes(const std::string& path, std::uint32_t attributes) = 0;
};

inline FileSystem& Files()
{
    return CurrentService<FileSystem>::Get();
}

inline bool PathExists(const std::string& path)
{
    return Files().Kind(path) != PathKind::Missing;
}

// Writes the file through a temporary one beside it (`path` + ".saving"), renamed
// over it at the end, so that a failure leaves the earlier file as it was and no
// temporary behind. Returns what went wrong, or nullopt.
std::optional<std::string> WriteFileSafely(const std::string& path, std::string_view bytes);

}  // namespace vx::platform
