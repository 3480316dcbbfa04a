#include "platform/win32/WinFileSystem.h"

#include <windows.h>

#include <utility>

namespace vx::platform {
namespace {

constexpr DWORD kNoAttributes = 0xFFFFFFFF;  // what GetFileAttributesA returns on failure
constexpr DWORD kNoSize = 0xFFFFFFFF;        // and GetFileSize
constexpr DWORD kSettableAttributes = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                      FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NORMAL;

// Closes a file opened with CreateFileA.
class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() { Close(); }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }
    // False when the system could not finish writing the file.
    bool Close() { return !Valid() || CloseHandle(std::exchange(handle_, INVALID_HANDLE_VALUE)); }

private:
    HANDLE handle_;
};

// Windows refuses to write over a read-only file by itself; asking first keeps Wine
// run by root, which lets the file system decide, to the same rule.
bool RefuseReadOnly(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == kNoAttributes || !(attributes & FILE_ATTRIBUTE_READONLY))
        return false;
    SetLastError(ERROR_ACCESS_DENIED);
    return true;
}

bool NotFound(DWORD error)
{
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND || error == ERROR_BAD_NETPATH ||
           error == ERROR_INVALID_DRIVE || error == ERROR_NOT_READY;
}

using MoveFileExFunction = BOOL(WINAPI*)(LPCSTR, LPCSTR, DWORD);

MoveFileExFunction FindMoveFileEx()
{
    HMODULE kernel = GetModuleHandleA("KERNEL32.DLL");
    FARPROC found = kernel ? GetProcAddress(kernel, "MoveFileExA") : nullptr;
    return reinterpret_cast<MoveFileExFunction>(reinterpret_cast<void*>(found));
}

// A name beside `path` that nothing has yet.
std::string FreeNameBeside(const std::string& path)
{
    for (unsigned n = 0;; ++n) {
        std::string candidate = path + ".old" + (n ? std::to_string(n) : std::string());
        if (GetFileAttributesA(candidate.c_str()) == kNoAttributes)
            return candidate;
    }
}

// Windows 9x's MoveFileA refuses an existing target: move it aside first, and put
// it back if the new file cannot take its place.
bool ReplaceByMovingAside(const std::string& from, const std::string& to)
{
    const DWORD target = GetFileAttributesA(to.c_str());
    if (target == kNoAttributes)
        return MoveFileA(from.c_str(), to.c_str());
    // As MoveFileExA does: a directory is never replaced.
    if (target & FILE_ATTRIBUTE_DIRECTORY) {
        SetLastError(ERROR_ACCESS_DENIED);
        return false;
    }
    if (GetFileAttributesA(from.c_str()) == kNoAttributes)
        return false;
    const std::string aside = FreeNameBeside(to);
    if (!MoveFileA(to.c_str(), aside.c_str()))
        return false;
    if (!MoveFileA(from.c_str(), to.c_str())) {
        const DWORD error = GetLastError();
        MoveFileA(aside.c_str(), to.c_str());
        SetLastError(error);
        return false;
    }
    DeleteFileA(aside.c_str());
    return true;
}

}  // namespace

PathKind WinFileSystem::Kind(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == kNoAttributes)
        return NotFound(GetLastError()) ? PathKind::Missing : PathKind::Other;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return PathKind::Directory;
    return attributes & FILE_ATTRIBUTE_DEVICE ? PathKind::Other : PathKind::File;
}

std::optional<std::string> WinFileSystem::ReadAll(const std::string& path)
{
    if (Kind(path) != PathKind::File)
        return std::nullopt;
    FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid())
        return std::nullopt;
    std::string bytes;
    DWORD high = 0;
    const DWORD size = GetFileSize(file.Get(), &high);
    if (size != kNoSize && high == 0)
        bytes.reserve(size);
    char block[65536];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(file.Get(), block, sizeof block, &got, nullptr))
            return std::nullopt;
        if (got == 0)
            return bytes;
        bytes.append(block, got);
    }
}

bool WinFileSystem::WriteAll(const std::string& path, std::string_view bytes)
{
    if (RefuseReadOnly(path))
        return false;
    FileHandle file(
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid())
        return false;
    while (!bytes.empty()) {
        const DWORD chunk = bytes.size() > 0x100000 ? 0x100000 : static_cast<DWORD>(bytes.size());
        DWORD written = 0;
        if (!WriteFile(file.Get(), bytes.data(), chunk, &written, nullptr) || written == 0)
            return false;
        bytes.remove_prefix(written);
    }
    return file.Close();
}

bool WinFileSystem::Delete(const std::string& path)
{
    return DeleteFileA(path.c_str());
}

bool WinFileSystem::Rename(const std::string& from, const std::string& to)
{
    if (RefuseReadOnly(to))
        return false;
    if (useMoveFileEx_) {
        if (MoveFileExFunction moveFileEx = FindMoveFileEx()) {
            if (moveFileEx(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING))
                return true;
            if (GetLastError() != ERROR_CALL_NOT_IMPLEMENTED)
                return false;
        }
    }
    return ReplaceByMovingAside(from, to);
}

bool WinFileSystem::Copy(const std::string& from, const std::string& to)
{
    return !RefuseReadOnly(to) && CopyFileA(from.c_str(), to.c_str(), FALSE);
}

bool WinFileSystem::MakeDirectory(const std::string& path)
{
    return CreateDirectoryA(path.c_str(), nullptr);
}

bool WinFileSystem::RemoveEmptyDirectory(const std::string& path)
{
    return RemoveDirectoryA(path.c_str());
}

std::optional<std::uint32_t> WinFileSystem::Attributes(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == kNoAttributes)
        return std::nullopt;
    return attributes;
}

bool WinFileSystem::SetAttributes(const std::string& path, std::uint32_t attributes)
{
    const DWORD settable = attributes & kSettableAttributes;
    return SetFileAttributesA(path.c_str(), settable ? settable : FILE_ATTRIBUTE_NORMAL);
}

template <>
FileSystem& DefaultService<FileSystem>()
{
    static WinFileSystem files;
    return files;
}

}  // namespace vx::platform
