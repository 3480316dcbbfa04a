#include "platform/host/HostPrivateProfile.h"

#include <optional>

#include "platform/FileSystem.h"
#include "platform/TextDecoding.h"

namespace vx::platform {
namespace {

bool SameName(std::string_view a, std::string_view b)
{
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i]))
            return false;
    return true;
}

std::string_view WithoutQuotes(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

// The name between the brackets of a section line, or nullopt for other lines.
std::optional<std::string_view> SectionName(std::string_view line)
{
    if (!line.starts_with('['))
        return std::nullopt;
    size_t close = line.find(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return line.substr(1, close - 1);
}

}  // namespace

std::string FindProfileString(std::string_view iniText, std::string_view section,
                              std::string_view key, const std::string& fallback)
{
    enum { Before, Inside, After } where = Before;
    while (!iniText.empty() && where != After) {
        size_t end = iniText.find('\n');
        std::string_view line = TrimBlanks(iniText.substr(0, end));
        iniText.remove_prefix(end == std::string_view::npos ? iniText.size() : end + 1);
        if (auto name = SectionName(line)) {
            // Only the first section of that name is searched, as the system does.
            if (where == Inside)
                where = After;
            else if (SameName(*name, section))
                where = Inside;
            continue;
        }
        size_t equals = line.find('=');
        if (where != Inside || line.starts_with(';') || equals == std::string_view::npos)
            continue;
        if (SameName(TrimBlanks(line.substr(0, equals)), key))
            return std::string(WithoutQuotes(TrimBlanks(line.substr(equals + 1))));
    }
    return fallback;
}

std::string HostPrivateProfile::ReadString(const std::string& section, const std::string& key,
                                           const std::string& fallback, const std::string& fileName)
{
    const std::optional<std::string> bytes = Files().ReadAll(fileName);
    if (!bytes)
        return fallback;
    return FindProfileString(DecodeTextFile(*bytes), section, key, fallback);
}

}  // namespace vx::platform
