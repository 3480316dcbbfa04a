#include "common/NarrowText.h"

#include <cstdint>

namespace vx {
namespace {
bool IsHighSurrogate(uint16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(uint16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }
}  // namespace

std::string NarrowUtf16(std::string_view bytes)
{
    std::string text;
    text.reserve(bytes.size() / 2);
    size_t count = bytes.size() / 2;
    auto unitAt = [&](size_t i) {
        return static_cast<uint16_t>(static_cast<uint8_t>(bytes[2 * i]) |
                                     (static_cast<uint8_t>(bytes[2 * i + 1]) << 8));
    };
    for (size_t i = 0; i < count; ++i) {
        uint16_t unit = unitAt(i);
        if (IsHighSurrogate(unit) && i + 1 < count && IsLowSurrogate(unitAt(i + 1)))
            ++i;
        text.push_back(unit <= 0xFF ? static_cast<char>(unit) : '?');
    }
    return text;
}

}  // namespace vx
