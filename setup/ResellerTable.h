#pragma once
#include <cstdint>
#include <span>
#include <string_view>

namespace vx::setup {

// A reseller the distribution can name in "Reseller.txt". Partner rows carry a
// home page and a support contact; the maker's own row has neither.
struct ResellerRow {
    std::string_view code;  // three lower-case letters
    int32_t number;
    std::string_view homePage;
    std::string_view supportContact;
};

inline constexpr int32_t NoReseller = -1;

std::span<const ResellerRow> ResellerTable();

// nullptr when no row has that code (compared exactly) or number.
const ResellerRow* FindResellerByCode(std::string_view code);
const ResellerRow* FindResellerByNumber(int32_t number);

}  // namespace vx::setup
