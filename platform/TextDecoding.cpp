#include "platform/TextDecoding.h"

namespace vx::platform {
namespace {

std::string NarrowUtf16(std::string_view units, bool bigEndian)
{
    std::string text;
    text.reserve(units.size() / 2);
    for (size_t i = 0; i + 1 < units.size(); i += 2) {
        unsigned first = static_cast<unsigned char>(units[i]);
        unsigned second = static_cast<unsigned char>(units[i + 1]);
        unsigned unit = bigEndian ? (first << 8 | second) : (second << 8 | first);
        text.push_back(unit <= 0xFF ? static_cast<char>(unit) : '?');
    }
    return text;
}

}  // namespace

std::string DecodeTextFile(std::string_view bytes)
{
    if (bytes.starts_with("\xFF\xFE"))
        return NarrowUtf16(bytes.substr(2), false);
    if (bytes.starts_with("\xFE\xFF"))
        return NarrowUtf16(bytes.substr(2), true);
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    return std::string(bytes);
}

std::string_view TrimBlanks(std::string_view text)
{
    constexpr std::string_view blanks = " \t\r\n\v\f";
    size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    size_t last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

}  // namespace vx::platform
