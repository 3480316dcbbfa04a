#include "platform/host/HostPathNames.h"

#include <cctype>

namespace vx::platform {
namespace {

bool StartsWithAnyCase(const std::string& text, const std::string& prefix)
{
    if (text.size() < prefix.size())
        return false;
    for (size_t i = 0; i < prefix.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(text[i])) != std::toupper(static_cast<unsigned char>(prefix[i])))
            return false;
    return true;
}

}  // namespace

std::string HostPathNames::FullPath(const std::string& path)
{
    std::string text = path;
    for (char& c : text)
        if (c == '/')
            c = '\\';
    const bool hasDrive = text.size() >= 2 && text[1] == ':';
    std::string drive = hasDrive ? text.substr(0, 2) : "C:";
    std::string rest = hasDrive ? text.substr(2) : text;
    std::vector<std::string> names;
    std::string name;
    const bool trailing = !rest.empty() && rest.back() == '\\';
    rest += '\\';
    for (char c : rest) {
        if (c != '\\') {
            name += c;
            continue;
        }
        if (name == "..") {
            if (!names.empty())
                names.pop_back();
        } else if (!name.empty() && name != ".") {
            names.push_back(name);
        }
        name.clear();
    }
    std::string full = drive;
    for (const std::string& each : names)
        full += "\\" + each;
    if (names.empty() || trailing)
        full += "\\";
    return full;
}

std::string HostPathNames::ShortPath(const std::string& path)
{
    for (const auto& [longPath, shortPath] : shortNames_) {
        if (!StartsWithAnyCase(path, longPath))
            continue;
        const std::string rest = path.substr(longPath.size());
        if (rest.empty() || rest.front() == '\\')
            return shortPath + rest;
    }
    return path;
}

void HostPathNames::AddShortName(std::string longPath, std::string shortPath)
{
    shortNames_.emplace_back(std::move(longPath), std::move(shortPath));
}

}  // namespace vx::platform
