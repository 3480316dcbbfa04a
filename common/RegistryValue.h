#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <variant>

namespace vx {

// The kind a caller asks for; the codes are those of the tagged value type and
// are never stored. Other codes are programming errors.
enum class RegValueKind : int { Integer = 3, DateTime = 7, Boolean = 11, String = 256 };

bool IsKnownKind(RegValueKind kind);

// A tagged value travelling through the registry layer, with the usual conversions:
// integer <-> decimal text, boolean <-> 0/1, date-time as days since 1899-12-30.
class RegistryValue {
public:
    RegistryValue() = default;  // Integer 0
    static RegistryValue Integer(int32_t number);
    static RegistryValue Boolean(bool flag);
    static RegistryValue String(std::string text);
    static RegistryValue DateTime(double days);

    // The missing value of a kind: Integer -1, Boolean false, String "", DateTime 0.
    static RegistryValue Missing(RegValueKind kind);

    RegValueKind Kind() const { return kind_; }

    // nullopt when the value cannot be converted (a text that is not a number).
    std::optional<int32_t> ToInteger() const;
    std::optional<bool> ToBoolean() const;
    std::optional<double> ToDateTime() const;
    std::string ToText() const;

    // Convenience reads that give the kind's missing value when the conversion fails.
    int32_t AsInteger() const { return ToInteger().value_or(-1); }
    bool AsBoolean() const { return ToBoolean().value_or(false); }
    std::string AsString() const { return ToText(); }

    bool operator==(const RegistryValue&) const = default;

private:
    RegValueKind kind_ = RegValueKind::Integer;
    std::variant<int32_t, bool, std::string, double> data_ = int32_t{0};
};

}  // namespace vx
