#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "common/RegistryValue.h"

namespace vx {
namespace {

struct IntegerCase {
    RegistryValue value;
    std::optional<int32_t> expected;
};

TEST(RegistryValue, ConvertsToInteger)
{
    const IntegerCase cases[] = {
        {RegistryValue::Integer(-5), -5},
        {RegistryValue::Boolean(true), 1},
        {RegistryValue::Boolean(false), 0},
        {RegistryValue::String("149600"), 149600},
        {RegistryValue::String("-2147483648"), INT32_MIN},
        {RegistryValue::String(" 1"), std::nullopt},
        {RegistryValue::String("+1"), std::nullopt},
        {RegistryValue::String("0x10"), std::nullopt},
        {RegistryValue::String("2147483648"), std::nullopt},
        {RegistryValue::String(""), std::nullopt},
        {RegistryValue::DateTime(36526.6), 36527},
        {RegistryValue::DateTime(-0.4), 0},
        {RegistryValue::DateTime(2147483647.4), INT32_MAX},
        {RegistryValue::DateTime(2147483647.6), std::nullopt},
        {RegistryValue::DateTime(-2147483648.6), std::nullopt},
        {RegistryValue::DateTime(NAN), std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.value.ToInteger(), c.expected) << c.value.ToText();
}

TEST(RegistryValue, ConvertsToTextAndBoolean)
{
    EXPECT_EQ(RegistryValue::Integer(-32).ToText(), "-32");
    EXPECT_EQ(RegistryValue::Integer(INT32_MIN).ToText(), "-2147483648");
    EXPECT_EQ(RegistryValue::String("x").ToText(), "x");
    EXPECT_EQ(RegistryValue::Boolean(true).ToText(), "1");
    EXPECT_EQ(RegistryValue::Boolean(false).ToText(), "0");
    // Dates as text keep six significant digits, with a two-digit exponent on every system.
    EXPECT_EQ(RegistryValue::DateTime(36526.63).ToText(), "36526.6");
    EXPECT_EQ(RegistryValue::DateTime(0.0).ToText(), "0");
    EXPECT_EQ(RegistryValue::DateTime(-1.5e7).ToText(), "-1.5e+07");
    const std::pair<RegistryValue, std::optional<bool>> booleans[] = {
        {RegistryValue::Integer(5), true},         {RegistryValue::Integer(0), false},
        {RegistryValue::String("1"), true},        {RegistryValue::String("0"), false},
        {RegistryValue::String("True"), true},     {RegistryValue::String("false"), false},
        {RegistryValue::String("yes"), std::nullopt},
    };
    for (const auto& [value, expected] : booleans)
        EXPECT_EQ(value.ToBoolean(), expected) << value.ToText();
}

TEST(RegistryValue, MissingValueOfEachKind)
{
    EXPECT_EQ(RegistryValue::Missing(RegValueKind::Integer), RegistryValue::Integer(-1));
    EXPECT_EQ(RegistryValue::Missing(RegValueKind::Boolean), RegistryValue::Boolean(false));
    EXPECT_EQ(RegistryValue::Missing(RegValueKind::String), RegistryValue::String(""));
    EXPECT_EQ(RegistryValue::Missing(RegValueKind::DateTime), RegistryValue::DateTime(0.0));
    EXPECT_FALSE(IsKnownKind(static_cast<RegValueKind>(8)));
}

}  // namespace
}  // namespace vx
