#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vx {

// The one rule for reading a number from text everywhere in the system: an optional
// minus sign and decimal digits that fit a signed 32-bit integer. Anything else
// (blanks, a plus sign, hex, overflow, empty text) is not a number.
std::optional<int32_t> ParseDecimal(std::string_view text);

// ParseDecimal, with a stand-in for text that is not a number.
int32_t DecimalOr(std::string_view text, int32_t fallback);

std::string FormatDecimal(int64_t number);

}  // namespace vx
