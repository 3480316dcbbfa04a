#include "common/RegistryValue.h"

#include <cmath>
#include <cstdio>
#include <limits>

#include "common/DecimalText.h"

namespace vx {

bool IsKnownKind(RegValueKind kind)
{
    switch (kind) {
    case RegValueKind::Integer:
    case RegValueKind::DateTime:
    case RegValueKind::Boolean:
    case RegValueKind::String: return true;
    }
    return false;
}

RegistryValue RegistryValue::Integer(int32_t number)
{
    RegistryValue v;
    v.kind_ = RegValueKind::Integer;
    v.data_ = number;
    return v;
}

RegistryValue RegistryValue::Boolean(bool flag)
{
    RegistryValue v;
    v.kind_ = RegValueKind::Boolean;
    v.data_ = flag;
    return v;
}

RegistryValue RegistryValue::String(std::string text)
{
    RegistryValue v;
    v.kind_ = RegValueKind::String;
    v.data_ = std::move(text);
    return v;
}

RegistryValue RegistryValue::DateTime(double days)
{
    RegistryValue v;
    v.kind_ = RegValueKind::DateTime;
    v.data_ = days;
    return v;
}

RegistryValue RegistryValue::Missing(RegValueKind kind)
{
    switch (kind) {
    case RegValueKind::Boolean: return Boolean(false);
    case RegValueKind::String: return String("");
    case RegValueKind::DateTime: return DateTime(0.0);
    case RegValueKind::Integer: break;
    }
    return Integer(-1);
}

std::optional<int32_t> RegistryValue::ToInteger() const
{
    if (auto* n = std::get_if<int32_t>(&data_))
        return *n;
    if (auto* b = std::get_if<bool>(&data_))
        return *b ? 1 : 0;
    if (auto* s = std::get_if<std::string>(&data_))
        return ParseDecimal(*s);
    // Rounded before the range check: 2147483647.6 does not fit either.
    double rounded = std::round(std::get<double>(data_));
    if (!std::isfinite(rounded) || rounded < std::numeric_limits<int32_t>::min() ||
        rounded > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return static_cast<int32_t>(rounded);
}

std::optional<bool> RegistryValue::ToBoolean() const
{
    if (auto* s = std::get_if<std::string>(&data_)) {
        if (*s == "True" || *s == "true")
            return true;
        if (*s == "False" || *s == "false")
            return false;
    }
    auto n = ToInteger();
    if (!n)
        return std::nullopt;
    return *n != 0;
}

std::optional<double> RegistryValue::ToDateTime() const
{
    if (auto* d = std::get_if<double>(&data_))
        return *d;
    auto n = ToInteger();
    if (!n)
        return std::nullopt;
    return static_cast<double>(*n);
}

std::string RegistryValue::ToText() const
{
    if (auto* s = std::get_if<std::string>(&data_))
        return *s;
    if (auto* n = std::get_if<int32_t>(&data_))
        return FormatDecimal(*n);
    if (auto* b = std::get_if<bool>(&data_))
        return *b ? "1" : "0";
    // Six significant digits, as a stream prints a double.
    char text[32];
    std::snprintf(text, sizeof text, "%g", std::get<double>(data_));
    return text;
}

}  // namespace vx
