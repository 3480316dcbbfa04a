#include "platform/TextDecoding.h"

namespace vx::platform {
namespace {
bool IsHighSurrogate(unsigned unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(unsigned unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }
}  // namespace

std::string NarrowUtf16(std::string_view units, bool bigEndian)
{
    const size_t count = units.size() / 2;
    auto unitAt = [&](size_t i) {
        unsigned first = static_cast<unsigned char>(units[2 * i]);
        unsigned second = static_cast<unsigned char>(units[2 * i + 1]);
        return bigEndian ? (first << 8 | second) : (second << 8 | first);
    };
    std::string text;
    text.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        unsigned unit = unitAt(i);
        if (IsHighSurrogate(unit) && i + 1 < count && IsLowSurrogate(unitAt(i + 1)))
            ++i;
        text.push_back(unit <= 0xFF ? static_cast<char>(unit) : '?');
    }
    return text;
}

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
