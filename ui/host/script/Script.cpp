#include "ui/host/script/Script.h"

namespace vx::ui::script {

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

std::vector<std::string> Words(std::string_view s)
{
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < s.size()) {
        while (i < s.size() && IsBlank(s[i]))
            ++i;
        std::size_t start = i;
        while (i < s.size() && !IsBlank(s[i]))
            ++i;
        if (i > start)
            words.emplace_back(s.substr(start, i - start));
    }
    return words;
}

}  // namespace

std::string ScriptLine::RestAfter(std::size_t count) const
{
    std::string_view rest = text;
    for (std::size_t n = 0; n < count; ++n) {
        rest = Trim(rest);
        std::size_t end = 0;
        while (end < rest.size() && !IsBlank(rest[end]))
            ++end;
        rest.remove_prefix(end);
    }
    // One separating blank goes; further blanks belong to the text.
    if (!rest.empty() && IsBlank(rest.front()))
        rest.remove_prefix(1);
    return std::string(rest);
}

std::vector<ScriptLine> ParseScript(std::string_view text, const std::string& file)
{
    std::vector<ScriptLine> lines;
    int number = 0;
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        std::string_view raw = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        ++number;
        std::string_view content = Trim(raw);
        if (content.empty() || content.front() == '#')
            continue;
        ScriptLine line;
        line.file = file;
        line.number = number;
        line.text = std::string(content);
        line.words = Words(content);
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace vx::ui::script
