#include "platform/FileSystem.h"

namespace vx::platform {

std::optional<std::string> WriteFileSafely(const std::string& path, std::string_view bytes)
{
    FileSystem& files = Files();
    if (files.Kind(path) == PathKind::Directory)
        return "cannot replace the file (a directory of that name is there)";
    const std::string temporary = path + ".saving";
    if (!files.WriteAll(temporary, bytes)) {
        files.Delete(temporary);
        return "cannot write " + temporary;
    }
    if (!files.Rename(temporary, path)) {
        files.Delete(temporary);
        return "cannot replace the file";
    }
    return std::nullopt;
}

}  // namespace vx::platform
