#include "common/RegistryBackend.h"

#include <algorithm>

#include "common/NameIndex.h"

namespace vx {

RawValue RawValue::Dword(uint32_t number)
{
    RawValue v;
    v.type = RegType::Dword;
    for (int shift = 0; shift < 32; shift += 8)
        v.data.push_back(static_cast<uint8_t>(number >> shift));
    return v;
}

RawValue RawValue::Text(std::string_view text, RegType type)
{
    RawValue v;
    v.type = type;
    v.data.assign(text.begin(), text.end());
    v.data.push_back(0);
    return v;
}

RawValue RawValue::Binary(std::vector<uint8_t> bytes)
{
    RawValue v;
    v.type = RegType::Binary;
    v.data = std::move(bytes);
    return v;
}

std::string TextOfStringData(const std::vector<uint8_t>& data)
{
    auto end = std::find(data.begin(), data.end(), uint8_t{0});
    return std::string(data.begin(), end);
}

std::string_view RelativeKeyPath(std::string_view path)
{
    while (!path.empty() && path.front() == '\\')
        path.remove_prefix(1);
    return path;
}

std::string_view NextKeyName(std::string_view& rest)
{
    while (!rest.empty() && rest.front() == '\\')
        rest.remove_prefix(1);
    size_t cut = std::min(rest.find('\\'), rest.size());
    std::string_view name = rest.substr(0, cut);
    rest.remove_prefix(cut);
    return name;
}

bool IsKeyOrAncestor(std::string_view key, std::string_view path)
{
    for (;;) {
        std::string_view name = NextKeyName(key);
        if (name.empty())
            return true;
        if (!NamesEqual(name, NextKeyName(path)))
            return false;
    }
}

size_t KeyPathDepth(std::string_view path)
{
    size_t depth = 0;
    while (!NextKeyName(path).empty())
        ++depth;
    return depth;
}

RegType RegistryKey::ValueType(std::string_view name) const
{
    auto value = ReadValue(name);
    return value ? value->type : RegType::None;
}

std::optional<uint32_t> RegistryKey::ReadDword(std::string_view name) const
{
    auto value = ReadValue(name);
    if (!value || value->type != RegType::Dword || value->data.size() != 4)
        return std::nullopt;
    uint32_t number = 0;
    for (int i = 3; i >= 0; --i)
        number = (number << 8) | value->data[static_cast<size_t>(i)];
    return number;
}

std::optional<std::string> RegistryKey::ReadString(std::string_view name) const
{
    auto value = ReadValue(name);
    if (!value || (value->type != RegType::Sz && value->type != RegType::ExpandSz))
        return std::nullopt;
    return TextOfStringData(value->data);
}

std::optional<std::vector<uint8_t>> RegistryKey::ReadBinary(std::string_view name) const
{
    auto value = ReadValue(name);
    if (!value || value->type != RegType::Binary)
        return std::nullopt;
    return std::move(value->data);
}

}  // namespace vx
