#include "platform/host/WindowsPath.h"

#include <cctype>

namespace vx::platform {

std::optional<WindowsPathParts> SplitWindowsPath(const std::string& path)
{
    if (path.size() < 2 || !std::isalpha(static_cast<unsigned char>(path[0])) || path[1] != ':')
        return std::nullopt;
    if (path.size() > 2 && path[2] != '\\' && path[2] != '/')
        return std::nullopt;
    WindowsPathParts parts;
    parts.drive = static_cast<char>(std::toupper(static_cast<unsigned char>(path[0])));
    parts.trailingBackslash = path.size() > 2 && (path.back() == '\\' || path.back() == '/');
    std::string name;
    auto finish = [&] {
        if (name == "..") {
            if (!parts.names.empty())
                parts.names.pop_back();
        } else if (!name.empty() && name != ".") {
            parts.names.push_back(name);
        }
        name.clear();
    };
    for (std::size_t i = 2; i < path.size(); ++i) {
        if (path[i] == '\\' || path[i] == '/')
            finish();
        else
            name += path[i];
    }
    finish();
    return parts;
}

}  // namespace vx::platform
