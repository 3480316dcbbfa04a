#include <gtest/gtest.h>

#include "common/DecimalText.h"

namespace vx {
namespace {

struct DecimalCase {
    const char* text;
    std::optional<int32_t> expected;
};

TEST(DecimalText, ParsesOnlyPlainSignedDecimalThatFits)
{
    const DecimalCase cases[] = {
        {"0", 0},           {"1500", 1500},        {"-1", -1},
        {"007", 7},         {"2147483647", 2147483647}, {"-2147483648", INT32_MIN},
        {"2147483648", {}}, {"-2147483649", {}},   {"99999999999999999999", {}},
        {"", {}},           {"-", {}},             {"+5", {}},
        {" 1", {}},         {"1 ", {}},            {"0x10", {}},
        {"12a", {}},        {"--1", {}},           {"1-", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseDecimal(c.text), c.expected) << "text \"" << c.text << "\"";
}

TEST(DecimalText, FallbackStandsInForNonNumbers)
{
    EXPECT_EQ(DecimalOr("abc", 32), 32);
    EXPECT_EQ(DecimalOr("64", 32), 64);
}

}  // namespace
}  // namespace vx
