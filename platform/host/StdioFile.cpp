#include "platform/host/StdioFile.h"

namespace vx::platform {

StdioFile OpenStdioFile(const std::string& path, const char* mode)
{
    return StdioFile(std::fopen(path.c_str(), mode), &std::fclose);
}

std::optional<std::string> ReadStdioFile(const std::string& path)
{
    StdioFile file = OpenStdioFile(path, "rb");
    if (!file)
        return std::nullopt;
    std::string bytes;
    char block[65536];
    while (std::size_t got = std::fread(block, 1, sizeof block, file.get()))
        bytes.append(block, got);
    if (std::ferror(file.get()))
        return std::nullopt;
    return bytes;
}

}  // namespace vx::platform
