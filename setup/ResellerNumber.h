#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace vx::setup {

// The reseller that a first line of "Reseller.txt" names: a decimal number or a
// table code in any letter case; anything else, NoReseller.
int32_t ResellerNumberFromLine(std::string_view line);

// The reseller that "Reseller.txt" in `directory` (ending in a separator) names;
// NoReseller for a missing or empty file.
int32_t ReadResellerNumber(const std::string& directory);

// Sets setupState.resellerNumber from that file.
void LoadResellerNumber(const std::string& directory);

}  // namespace vx::setup
