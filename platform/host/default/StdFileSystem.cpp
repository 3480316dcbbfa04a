#include "platform/host/default/StdFileSystem.h"

#include "platform/host/StdioFile.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

namespace vx::platform {
namespace fs = std::filesystem;

namespace {

// Windows keeps read-only files from being replaced or deleted even by an
// administrator; the owner's write permission stands for the flag here.
bool IsReadOnly(const std::string& path)
{
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    return !error && (status.permissions() & fs::perms::owner_write) == fs::perms::none;
}

bool IsFile(const std::string& path)
{
    std::error_code error;
    return fs::is_regular_file(path, error);
}

}  // namespace

PathKind StdFileSystem::Kind(const std::string& path)
{
    std::error_code error;
    switch (fs::status(path, error).type()) {
    case fs::file_type::not_found: return PathKind::Missing;
    case fs::file_type::regular: return PathKind::File;
    case fs::file_type::directory: return PathKind::Directory;
    default: return PathKind::Other;
    }
}

std::optional<std::string> StdFileSystem::ReadAll(const std::string& path)
{
    if (!IsFile(path))
        return std::nullopt;
    return ReadStdioFile(path);
}

bool StdFileSystem::WriteAll(const std::string& path, std::string_view bytes)
{
    if (Kind(path) == PathKind::Directory || IsReadOnly(path))
        return false;
    StdioFile file = OpenStdioFile(path, "wb");
    if (!file)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
    return std::fclose(file.release()) == 0 && written;
}

bool StdFileSystem::Delete(const std::string& path)
{
    std::error_code error;
    return IsFile(path) && !IsReadOnly(path) && fs::remove(path, error);
}

bool StdFileSystem::Rename(const std::string& from, const std::string& to)
{
    // Windows replaces files only, never a directory.
    if (Kind(to) == PathKind::Directory || IsReadOnly(to))
        return false;
    std::error_code error;
    fs::rename(from, to, error);
    return !error;
}

bool StdFileSystem::Copy(const std::string& from, const std::string& to)
{
    if (!IsFile(from) || IsReadOnly(to))
        return false;
    std::error_code error;
    return fs::copy_file(from, to, fs::copy_options::overwrite_existing, error);
}

bool StdFileSystem::MakeDirectory(const std::string& path)
{
    std::error_code error;
    return fs::create_directory(path, error);
}

bool StdFileSystem::RemoveEmptyDirectory(const std::string& path)
{
    std::error_code error;
    return Kind(path) == PathKind::Directory && fs::remove(path, error);
}

std::optional<std::uint32_t> StdFileSystem::Attributes(const std::string& path)
{
    const PathKind kind = Kind(path);
    if (kind == PathKind::Missing)
        return std::nullopt;
    std::uint32_t attributes = 0;
    if (kind == PathKind::Directory)
        attributes |= FileAttribute::Directory;
    if (IsReadOnly(path))
        attributes |= FileAttribute::ReadOnly;
    return attributes ? attributes : FileAttribute::Normal;
}

// Only the read-only flag has a counterpart here; the others are not kept.
bool StdFileSystem::SetAttributes(const std::string& path, std::uint32_t attributes)
{
    if (Kind(path) == PathKind::Missing)
        return false;
    const bool readOnly = (attributes & FileAttribute::ReadOnly) != 0;
    std::error_code error;
    fs::permissions(path, fs::perms::owner_write, readOnly ? fs::perm_options::remove : fs::perm_options::add,
                    error);
    return !error;
}

}  // namespace vx::platform
