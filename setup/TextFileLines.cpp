#include "setup/TextFileLines.h"

#include "platform/FileSystem.h"
#include "platform/TextDecoding.h"

namespace vx::setup {

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

std::optional<std::vector<std::string>> LoadTextLines(const std::string& fileName)
{
    const std::optional<std::string> bytes = platform::Files().ReadAll(fileName);
    if (!bytes)
        return std::nullopt;
    return SplitLines(platform::DecodeTextFile(*bytes));
}

}  // namespace vx::setup
