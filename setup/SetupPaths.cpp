#include "setup/SetupPaths.h"

namespace vx::setup {

std::string JoinPath(std::string_view directory, std::string_view name)
{
    std::string path(directory);
    if (path.empty() || path.back() != '\\')
        path += '\\';
    path += name;
    return path;
}

std::string Quoted(std::string_view path)
{
    return "\"" + std::string(path) + "\"";
}

}  // namespace vx::setup
