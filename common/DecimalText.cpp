#include "common/DecimalText.h"

#include <limits>

namespace vx {

std::optional<int32_t> ParseDecimal(std::string_view text)
{
    bool negative = !text.empty() && text.front() == '-';
    if (negative)
        text.remove_prefix(1);
    if (text.empty())
        return std::nullopt;
    const int64_t limit = negative ? -int64_t{std::numeric_limits<int32_t>::min()}
                                   : int64_t{std::numeric_limits<int32_t>::max()};
    int64_t magnitude = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > limit)
            return std::nullopt;
    }
    return static_cast<int32_t>(negative ? -magnitude : magnitude);
}

int32_t DecimalOr(std::string_view text, int32_t fallback)
{
    return ParseDecimal(text).value_or(fallback);
}

std::string FormatDecimal(int64_t number) { return std::to_string(number); }

}  // namespace vx
