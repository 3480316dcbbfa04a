#include "platform/win32/WinPrivateProfile.h"

#include <vector>

#include <windows.h>

namespace vx::platform {
namespace {

// The system looks for a bare file name in the Windows directory; a full name
// makes it read the file the caller means.
std::string FullPath(const std::string& fileName)
{
    char full[MAX_PATH + 1] = {};
    DWORD length = GetFullPathNameA(fileName.c_str(), MAX_PATH, full, nullptr);
    return length == 0 || length >= MAX_PATH ? fileName : std::string(full, length);
}

}  // namespace

std::string WinPrivateProfile::ReadString(const std::string& section, const std::string& key,
                                          const std::string& fallback, const std::string& fileName)
{
    const std::string path = FullPath(fileName);
    std::vector<char> buffer(256);
    for (;;) {
        DWORD size = static_cast<DWORD>(buffer.size());
        DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(),
                                                buffer.data(), size, path.c_str());
        // A value that filled the buffer may have been cut short: read it again, larger.
        if (length + 1 < size || buffer.size() >= 1 << 20)
            return std::string(buffer.data(), length);
        buffer.resize(buffer.size() * 4);
    }
}

template <>
PrivateProfile& DefaultService<PrivateProfile>()
{
    static WinPrivateProfile profile;
    return profile;
}

}  // namespace vx::platform
