#include "platform/win32/WinFileVersionQuery.h"

#include <vector>

#include <windows.h>

namespace vx::platform {

std::optional<FileVersionNumbers> WinFileVersionQuery::Query(const std::string& fileName)
{
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeA(fileName.c_str(), &ignored);
    if (size == 0)
        return std::nullopt;
    std::vector<char> block(size);
    if (!GetFileVersionInfoA(fileName.c_str(), 0, size, block.data()))
        return std::nullopt;
    void* root = nullptr;
    UINT length = 0;
    char rootPath[] = "\\";
    if (!VerQueryValueA(block.data(), rootPath, &root, &length) || length < sizeof(VS_FIXEDFILEINFO))
        return std::nullopt;
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(root);
    if (fixed->dwSignature != 0xFEEF04BD)
        return std::nullopt;
    return FileVersionNumbers{HIWORD(fixed->dwFileVersionMS), LOWORD(fixed->dwFileVersionMS),
                              HIWORD(fixed->dwFileVersionLS), LOWORD(fixed->dwFileVersionLS)};
}

template <>
FileVersionQuery& DefaultService<FileVersionQuery>()
{
    static WinFileVersionQuery query;
    return query;
}

}  // namespace vx::platform
