#include "uninstall/WininitRenameList.h"

#include <cctype>
#include <vector>

#include "platform/DelayedDelete.h"
#include "platform/FileSystem.h"

namespace vx::uninstall {
namespace {

std::vector<std::string> SplitLines(std::string_view text)
{
    std::vector<std::string> lines;
    std::string line;
    for (char c : text) {
        if (c == '\n') {
            lines.push_back(line);
            line.clear();
        } else if (c != '\r') {
            line.push_back(c);
        }
    }
    if (!line.empty()) {
        lines.push_back(line);
    }
    return lines;
}

std::string Trimmed(const std::string& line)
{
    const auto first = line.find_first_not_of(" \t");
    const auto last = line.find_last_not_of(" \t");
    return first == std::string::npos ? std::string() : line.substr(first, last - first + 1);
}

bool IsSectionHeader(const std::string& line)
{
    const std::string text = Trimmed(line);
    return !text.empty() && text.front() == '[';
}

bool IsRenameHeader(const std::string& line)
{
    std::string text = Trimmed(line);
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text == "[rename]";
}

}  // namespace

std::string AddDeleteToRenameList(std::string_view ini, const std::string& shortPath)
{
    std::vector<std::string> lines = SplitLines(ini);
    const std::string entry = "NUL=" + shortPath;
    std::size_t header = 0;
    while (header < lines.size() && !IsRenameHeader(lines[header])) {
        ++header;
    }
    if (header == lines.size()) {
        lines.push_back("[rename]");
        lines.push_back(entry);
    } else {
        // After the section's last entry, before blank lines that part it from the next section.
        std::size_t end = header + 1;
        while (end < lines.size() && !IsSectionHeader(lines[end])) {
            ++end;
        }
        while (end > header + 1 && Trimmed(lines[end - 1]).empty()) {
            --end;
        }
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(end), entry);
    }
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

bool ScheduleDeleteThroughWininit(const std::string& path)
{
    platform::DelayedDelete& system = platform::CurrentDelayedDelete();
    const std::string ini = system.WindowsDirectory() + "\\WININIT.INI";
    std::string text;
    if (platform::PathExists(ini)) {
        const auto existing = platform::Files().ReadAll(ini);
        if (!existing) {
            return false;  // rewriting it would lose the other programs' entries
        }
        text = *existing;
    }
    return !platform::WriteFileSafely(ini, AddDeleteToRenameList(text, system.ShortPath(path))).has_value();
}

}  // namespace vx::uninstall
