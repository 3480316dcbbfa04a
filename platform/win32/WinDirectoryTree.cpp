#include "platform/win32/WinDirectoryTree.h"

#include <windows.h>

#include <utility>

namespace vx::platform {

namespace {

// Closes a FindFirstFile search.
class FindHandle {
public:
    explicit FindHandle(HANDLE handle) : handle_(handle) {}
    ~FindHandle()
    {
        if (handle_ != INVALID_HANDLE_VALUE)
            FindClose(handle_);
    }
    FindHandle(const FindHandle&) = delete;
    FindHandle& operator=(const FindHandle&) = delete;
    FindHandle(FindHandle&& other) noexcept : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)) {}
    FindHandle& operator=(FindHandle&& other) noexcept
    {
        std::swap(handle_, other.handle_);
        return *this;
    }
    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }

private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
};

}  // namespace

std::vector<char> WinDirectoryTree::Drives()
{
    std::vector<char> drives;
    const DWORD mask = GetLogicalDrives();
    for (int i = 0; i < 26; ++i) {
        if (mask & (1u << i))
            drives.push_back(static_cast<char>('A' + i));
    }
    return drives;
}

std::vector<std::string> WinDirectoryTree::Subdirectories(const std::string& directory)
{
    std::string pattern = directory;
    if (pattern.empty() || pattern.back() != '\\')
        pattern += '\\';
    pattern += '*';
    std::vector<std::string> names;
    WIN32_FIND_DATAA data{};
    FindHandle find(FindFirstFileA(pattern.c_str(), &data));
    if (!find.Valid())
        return names;
    do {
        const std::string name = data.cFileName;
        if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && name != "." && name != "..")
            names.push_back(name);
    } while (FindNextFileA(find.Get(), &data));
    SortDirectoryNames(names);
    return names;
}

template <>
DirectoryTree& DefaultService<DirectoryTree>()
{
    static WinDirectoryTree tree;
    return tree;
}

}  // namespace vx::platform
