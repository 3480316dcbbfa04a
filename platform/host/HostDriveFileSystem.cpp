#include "platform/host/HostDriveFileSystem.h"

#include "platform/host/StdioFile.h"
#include "platform/host/WindowsPath.h"

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>
#include <vector>

namespace vx::platform {
namespace fs = std::filesystem;

namespace {

bool SameName(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// The entry of `directory` whose name matches `name` regardless of case.
std::string StoredName(const fs::path& directory, const std::string& name)
{
    // Listed rather than tested: a disk that ignores case would accept any spelling,
    // and a replaced file would then take the new one.
    std::error_code error;
    std::string found = name;
    for (fs::directory_iterator it(directory, error), end; !error && it != end; it.increment(error)) {
        const std::string stored = it->path().filename().string();
        if (stored == name)
            return stored;
        if (SameName(stored, name))
            found = stored;
    }
    return found;
}

fs::file_type TypeOf(const fs::path& path)
{
    std::error_code error;
    return fs::status(path, error).type();
}

bool IsReadOnly(const fs::path& path)
{
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    return !error && (status.permissions() & fs::perms::owner_write) == fs::perms::none;
}

}  // namespace

HostDriveFileSystem::HostDriveFileSystem(std::string root) : root_(std::move(root)) {}

void HostDriveFileSystem::AddDrive(char letter)
{
    std::error_code error;
    fs::create_directories(fs::path(root_) / std::string(1, static_cast<char>(std::toupper(letter))), error);
}

std::optional<std::string> HostDriveFileSystem::HostPath(const std::string& path) const
{
    const auto split = SplitWindowsPath(path);
    if (!split)
        return std::nullopt;
    fs::path host = fs::path(root_) / std::string(1, split->drive);
    for (const std::string& name : split->names)
        host /= StoredName(host, name);
    return host.string();
}

void HostDriveFileSystem::Record(const std::string& verb, const std::string& path, const std::string& to,
                                 const std::string& tail)
{
    std::string line = verb + " \"" + path + "\"";
    if (!to.empty())
        line += " \"" + to + "\"";
    if (!tail.empty())
        line += " " + tail;
    events_.push_back(line);
    if (OnChange)
        OnChange(verb, path, to, tail);
}

PathKind HostDriveFileSystem::Kind(const std::string& path)
{
    const auto host = HostPath(path);
    if (!host)
        return PathKind::Missing;
    switch (TypeOf(*host)) {
    case fs::file_type::not_found: return PathKind::Missing;
    case fs::file_type::regular: return PathKind::File;
    case fs::file_type::directory: return PathKind::Directory;
    default: return PathKind::Other;
    }
}

std::optional<std::string> HostDriveFileSystem::ReadAll(const std::string& path)
{
    if (Kind(path) != PathKind::File)
        return std::nullopt;
    return ReadStdioFile(*HostPath(path));
}

bool HostDriveFileSystem::WriteAll(const std::string& path, std::string_view bytes)
{
    Record("write", path);
    const auto host = HostPath(path);
    if (!host || TypeOf(*host) == fs::file_type::directory || IsReadOnly(*host))
        return false;
    StdioFile file = OpenStdioFile(*host, "wb");
    if (!file)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
    return std::fclose(file.release()) == 0 && written;
}

bool HostDriveFileSystem::Delete(const std::string& path)
{
    Record("delete", path);
    const auto host = HostPath(path);
    std::error_code error;
    return host && TypeOf(*host) == fs::file_type::regular && !IsReadOnly(*host) && fs::remove(*host, error);
}

bool HostDriveFileSystem::Rename(const std::string& from, const std::string& to)
{
    Record("rename", from, to);
    const auto source = HostPath(from);
    const auto target = HostPath(to);
    if (!source || !target || TypeOf(*source) == fs::file_type::not_found)
        return false;
    if (TypeOf(*target) == fs::file_type::directory || IsReadOnly(*target))
        return false;
    std::error_code error;
    fs::rename(*source, *target, error);
    return !error;
}

bool HostDriveFileSystem::Copy(const std::string& from, const std::string& to)
{
    Record("copy", from, to);
    const auto source = HostPath(from);
    const auto target = HostPath(to);
    if (!source || !target || TypeOf(*source) != fs::file_type::regular || IsReadOnly(*target))
        return false;
    std::error_code error;
    // Replaced by hand: MinGW's copy_file refuses to overwrite on Windows.
    if (TypeOf(*target) == fs::file_type::regular && !fs::remove(*target, error))
        return false;
    return fs::copy_file(*source, *target, error);
}

bool HostDriveFileSystem::MakeDirectory(const std::string& path)
{
    Record("mkdir", path);
    const auto host = HostPath(path);
    std::error_code error;
    return host && fs::create_directory(*host, error);
}

bool HostDriveFileSystem::RemoveEmptyDirectory(const std::string& path)
{
    Record("rmdir", path);
    const auto split = SplitWindowsPath(path);
    if (!split || split->names.empty())
        return false;  // a drive's root stays
    const auto host = HostPath(path);
    std::error_code error;
    return TypeOf(*host) == fs::file_type::directory && fs::remove(*host, error);
}

std::optional<std::uint32_t> HostDriveFileSystem::Attributes(const std::string& path)
{
    const PathKind kind = Kind(path);
    if (kind == PathKind::Missing)
        return std::nullopt;
    std::uint32_t attributes = 0;
    if (kind == PathKind::Directory)
        attributes |= FileAttribute::Directory;
    if (IsReadOnly(*HostPath(path)))
        attributes |= FileAttribute::ReadOnly;
    return attributes ? attributes : FileAttribute::Normal;
}

// Only the read-only flag has a counterpart on the disk underneath.
bool HostDriveFileSystem::SetAttributes(const std::string& path, std::uint32_t attributes)
{
    Record("attributes", path, "", attributes == FileAttribute::Normal ? "normal" : std::to_string(attributes));
    if (Kind(path) == PathKind::Missing)
        return false;
    const bool readOnly = (attributes & FileAttribute::ReadOnly) != 0;
    std::error_code error;
    fs::permissions(*HostPath(path), fs::perms::owner_write,
                    readOnly ? fs::perm_options::remove : fs::perm_options::add, error);
    return !error;
}

}  // namespace vx::platform
