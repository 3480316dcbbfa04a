#include "platform/host/HostPathNames.h"

#include <cctype>

#include "platform/host/WindowsPath.h"

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
    const bool hasDrive = path.size() >= 2 && path[1] == ':';
    const auto parts = SplitWindowsPath(hasDrive ? path : "C:\\" + path);
    if (!parts)
        return path;
    std::string full = std::string(1, parts->drive) + ":";
    for (const std::string& name : parts->names)
        full += "\\" + name;
    if (parts->names.empty() || parts->trailingBackslash)
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
