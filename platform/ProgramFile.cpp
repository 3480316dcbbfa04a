#include "platform/ProgramFile.h"

namespace vx::platform {

std::string DirectoryOf(const std::string& fileName)
{
    size_t separator = fileName.find_last_of("\\/");
    return separator == std::string::npos ? std::string() : fileName.substr(0, separator + 1);
}

}  // namespace vx::platform
