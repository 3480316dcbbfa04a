#pragma once
// A C file that closes itself, and reading a file whole: the file systems over
// the machine's own files share them.
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

namespace vx::platform {

using StdioFile = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

StdioFile OpenStdioFile(const std::string& path, const char* mode);

// Every byte of the file; nullopt when it cannot be opened or a read fails.
std::optional<std::string> ReadStdioFile(const std::string& path);

}  // namespace vx::platform
