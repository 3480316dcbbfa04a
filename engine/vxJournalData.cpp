#include "engine/vxJournalData.h"

#include <array>
#include <utility>

namespace vx {
namespace {

// Types whose data the record keeps as it is, in the value's own registry type.
constexpr std::array<std::pair<RegType, std::string_view>, 3> kRawTypes{{
    {RegType::Binary, BinaryTypeText},
    {RegType::ExpandSz, ExpandStringTypeText},
    {RegType::MultiSz, MultiStringTypeText},
}};

bool IsFourByteDword(const RawValue& value) { return value.type == RegType::Dword && value.data.size() == 4; }

}  // namespace

std::optional<SavedValue> SaveValue(const RawValue& current)
{
    // The bytes as they are: a text without its terminating zero comes back the same.
    if (current.type == RegType::Sz)
        return SavedValue{std::string(StringTypeText), current};
    if (IsFourByteDword(current))
        return SavedValue{std::string(IntegerTypeText), current};
    for (const auto& [type, text] : kRawTypes)
        if (current.type == type)
            return SavedValue{std::string(text), current};
    return std::nullopt;
}

std::optional<RawValue> RestoredValue(std::string_view typeText, const std::optional<RawValue>& saved)
{
    if (!saved)
        return std::nullopt;
    if (typeText == StringTypeText) {
        if (saved->type == RegType::Sz)
            return *saved;
        if (saved->type == RegType::ExpandSz)
            return RawValue::Text(TextOfStringData(saved->data));
        return std::nullopt;
    }
    if (typeText == IntegerTypeText)
        return IsFourByteDword(*saved) ? std::optional<RawValue>(*saved) : std::nullopt;
    for (const auto& [type, text] : kRawTypes)
        if (typeText == text)
            return saved->type == type ? std::optional<RawValue>(*saved) : std::nullopt;
    return std::nullopt;
}

}  // namespace vx
