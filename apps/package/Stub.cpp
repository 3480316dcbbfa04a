// velocitrex-setup.exe: unpacks the distribution files appended to this program
// into the temporary directory and starts vxSetup.exe there. It runs before
// anything is installed, perhaps on a Windows 95 without MSVCRT.DLL, so it has no
// C runtime: KERNEL32 and USER32 only, its own entry point, no allocation but one.
#include <windows.h>

#include "package/Unpack.h"

namespace {

constexpr const char* Caption = "Velocitrex Setup";
constexpr DWORD PathCapacity = MAX_PATH + 1;

// Appends `text` to the zero-ended `buffer` of `capacity` bytes; false when it does not fit.
bool Append(char* buffer, DWORD capacity, const char* text, DWORD length = 0xFFFFFFFFu)
{
    DWORD used = 0;
    while (buffer[used] != '\0') {
        ++used;
    }
    for (DWORD i = 0; i < length && text[i] != '\0'; ++i) {
        if (used + 1 >= capacity) {
            return false;
        }
        buffer[used++] = text[i];
    }
    buffer[used] = '\0';
    return true;
}

void Say(const char* text, UINT icon)
{
    MessageBoxA(nullptr, text, Caption, MB_OK | icon);
}

// This program's file, read whole; nullptr when it cannot be read.
const unsigned char* ReadOwnImage(DWORD& size)
{
    char path[PathCapacity] = {};
    if (GetModuleFileNameA(nullptr, path, PathCapacity) == 0) {
        return nullptr;
    }
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return nullptr;
    }
    size = GetFileSize(file, nullptr);
    void* image = size == INVALID_FILE_SIZE ? nullptr
                                            : VirtualAlloc(nullptr, size + 1, MEM_COMMIT, PAGE_READWRITE);
    DWORD got = 0;
    const bool read = image != nullptr && ReadFile(file, image, size, &got, nullptr) && got == size;
    CloseHandle(file);
    return read ? static_cast<const unsigned char*>(image) : nullptr;
}

class TemporaryDirectory final : public vx::package::PackageTarget {
public:
    bool Find()
    {
        const DWORD length = GetTempPathA(PathCapacity, directory_);
        if (length == 0 || length >= PathCapacity) {
            return false;
        }
        if (directory_[length - 1] != '\\' && !Append(directory_, PathCapacity, "\\")) {
            return false;
        }
        CreateDirectoryA(directory_, nullptr);  // TEMP may name a directory nobody made yet
        return true;
    }

    const char* Directory() const { return directory_; }

    bool Write(const vx::package::PackageEntry& entry) override
    {
        char path[PathCapacity] = {};
        if (!PathOf(entry, path)) {
            return false;
        }
        SetFileAttributesA(path, FILE_ATTRIBUTE_NORMAL);  // a read-only file of an earlier run
        HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            return false;
        }
        DWORD written = 0;
        const bool whole = WriteFile(file, entry.data, entry.size, &written, nullptr) && written == entry.size;
        return CloseHandle(file) && whole;
    }

    void Remove(const vx::package::PackageEntry& entry) override
    {
        char path[PathCapacity] = {};
        if (PathOf(entry, path)) {
            DeleteFileA(path);
        }
    }

    bool PathOf(const vx::package::PackageEntry& entry, char* path) const
    {
        return Append(path, PathCapacity, directory_) && Append(path, PathCapacity, entry.name, entry.nameLength);
    }

private:
    char directory_[PathCapacity] = {};
};

void SayNotWritten(const vx::package::PackageEntry& entry, const char* directory)
{
    char text[768] = {};
    Append(text, sizeof text, "Setup could not write the file ");
    Append(text, sizeof text, entry.name, entry.nameLength);
    Append(text, sizeof text, " into the temporary directory ");
    Append(text, sizeof text, directory);
    Append(text, sizeof text,
           ".\r\n\r\nPlease make sure the disk has free space and that no earlier setup "
           "is still running, then start this setup again.");
    Say(text, MB_ICONSTOP);
}

bool StartSetup(const char* directory)
{
    char command[PathCapacity + 16] = {};
    if (!Append(command, sizeof command, "\"") || !Append(command, sizeof command, directory) ||
        !Append(command, sizeof command, "vxSetup.exe\"")) {
        return false;
    }
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, directory, &startup, &process)) {
        return false;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

UINT Run()
{
    // The programs need the C runtime; say so here rather than let Windows fail to load them.
    HMODULE runtime = LoadLibraryA("MSVCRT.DLL");
    if (runtime == nullptr) {
        Say("Velocitrex needs the file MSVCRT.DLL, which this copy of Windows does not have.\r\n\r\n"
            "Please install Internet Explorer 4 or later, which brings it, and start this setup again.",
            MB_ICONSTOP);
        return 1;
    }
    FreeLibrary(runtime);

    DWORD size = 0;
    const unsigned char* image = ReadOwnImage(size);
    const vx::package::PackageReader reader(image, image == nullptr ? 0 : size);
    if (!reader.IsSound()) {
        Say("The setup package is damaged. Please download it again.", MB_ICONSTOP);
        return 1;
    }
    TemporaryDirectory target;
    if (!target.Find()) {
        Say("Setup could not find the temporary directory. Please check the TEMP setting of Windows.", MB_ICONSTOP);
        return 1;
    }
    const vx::package::UnpackOutcome outcome = vx::package::Unpack(reader, target);
    if (outcome.result != vx::package::UnpackResult::Written) {
        SayNotWritten(outcome.failed, target.Directory());
        return 1;
    }
    if (!StartSetup(target.Directory())) {
        Say("Setup could not start vxSetup.exe in the temporary directory.", MB_ICONSTOP);
        return 1;
    }
    return 0;
}

}  // namespace

// Without a C runtime the compiler's own calls for copying and clearing need a home.
extern "C" {
void* memset(void* destination, int value, size_t count)
{
    auto* bytes = static_cast<unsigned char*>(destination);
    while (count-- > 0) {
        *bytes++ = static_cast<unsigned char>(value);
    }
    return destination;
}

void* memcpy(void* destination, const void* source, size_t count)
{
    auto* to = static_cast<unsigned char*>(destination);
    const auto* from = static_cast<const unsigned char*>(source);
    while (count-- > 0) {
        *to++ = *from++;
    }
    return destination;
}

void __cxa_pure_virtual()
{
    ExitProcess(3);
}

// The product build points the terminate handler at abort(); nothing here throws.
[[noreturn]] void abort()
{
    ExitProcess(3);
}

void StubStart()
{
    ExitProcess(Run());
}
}
