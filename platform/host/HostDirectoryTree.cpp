#include "platform/host/HostDirectoryTree.h"

#include <cctype>

namespace vx::platform {

namespace {

std::string Upper(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

std::string WithoutTrailingSlash(std::string path)
{
    while (path.size() > 3 && path.back() == '\\')
        path.pop_back();
    return path;
}

}  // namespace

void HostDirectoryTree::Add(const std::string& path)
{
    std::string cleaned = WithoutTrailingSlash(path);
    if (cleaned.size() < 2 || cleaned[1] != ':')
        return;
    for (std::size_t slash = cleaned.find('\\', 3); slash != std::string::npos; slash = cleaned.find('\\', slash + 1))
        paths_.insert(cleaned.substr(0, slash));
    paths_.insert(cleaned.size() == 2 ? cleaned + "\\" : cleaned);
    paths_.insert(cleaned.substr(0, 2) + "\\");
}

std::vector<char> HostDirectoryTree::Drives()
{
    std::set<char> drives;
    for (const std::string& path : paths_)
        drives.insert(static_cast<char>(std::toupper(static_cast<unsigned char>(path[0]))));
    return {drives.begin(), drives.end()};
}

std::vector<std::string> HostDirectoryTree::Subdirectories(const std::string& directory)
{
    std::string parent = Upper(WithoutTrailingSlash(directory));
    if (parent.size() > 3 || parent.back() != '\\')
        parent += '\\';
    std::vector<std::string> names;
    for (const std::string& path : paths_) {
        if (path.size() <= parent.size() || Upper(path.substr(0, parent.size())) != parent)
            continue;
        const std::string rest = path.substr(parent.size());
        if (rest.find('\\') == std::string::npos)
            names.push_back(rest);
    }
    SortDirectoryNames(names);
    return names;
}

}  // namespace vx::platform
