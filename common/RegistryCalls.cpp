#include "common/RegistryCalls.h"

#include <cstring>

#include "platform/MessageBoxes.h"

namespace vx {
namespace {

void ShowTypeError(const char* text)
{
    platform::ShowMessageBox({text, "Error", platform::MsgIcon::Information, platform::MsgButtons::Ok});
}

std::optional<RegistryValue> ReadAs(const RegistryKey& key, std::string_view name, RegValueKind kind)
{
    switch (kind) {
    case RegValueKind::Integer:
        if (auto n = key.ReadDword(name))
            return RegistryValue::Integer(static_cast<int32_t>(*n));
        break;
    case RegValueKind::Boolean:
        if (auto n = key.ReadDword(name))
            return RegistryValue::Boolean(*n != 0);
        break;
    case RegValueKind::String:
        if (auto s = key.ReadString(name))
            return RegistryValue::String(std::move(*s));
        break;
    case RegValueKind::DateTime:
        if (auto bytes = key.ReadBinary(name); bytes && bytes->size() == sizeof(double)) {
            double days = 0;
            std::memcpy(&days, bytes->data(), sizeof days);
            return RegistryValue::DateTime(days);
        }
        break;
    }
    return std::nullopt;
}

std::optional<RawValue> Encode(const RegistryValue& value, RegValueKind kind)
{
    switch (kind) {
    case RegValueKind::Integer:
        if (auto n = value.ToInteger())
            return RawValue::Dword(static_cast<uint32_t>(*n));
        break;
    case RegValueKind::Boolean:
        if (auto b = value.ToBoolean())
            return RawValue::Dword(*b ? 1u : 0u);
        break;
    case RegValueKind::String: return RawValue::Text(value.ToText());
    case RegValueKind::DateTime:
        if (auto days = value.ToDateTime()) {
            std::vector<uint8_t> bytes(sizeof(double));
            std::memcpy(bytes.data(), &*days, sizeof(double));
            return RawValue::Binary(std::move(bytes));
        }
        break;
    }
    return std::nullopt;
}

}  // namespace

void GetRegistryValue(RegRoot root, std::string_view keyPath, RegValueKind kind,
                      std::string_view valueName, RegistryValue& result)
{
    if (!IsKnownKind(kind)) {
        ShowTypeError("GetRegistryValue: unexpected var type");
        return;
    }
    result = RegistryValue::Missing(kind);
    auto key = CurrentRegistry().OpenKey(root, keyPath, KeyAccess::Read);
    if (!key)
        return;
    if (auto value = ReadAs(*key, valueName, kind))
        result = std::move(*value);
}

RegistryValue GetRegistryValue(RegRoot root, std::string_view keyPath, RegValueKind kind,
                               std::string_view valueName)
{
    RegistryValue result = IsKnownKind(kind) ? RegistryValue::Missing(kind) : RegistryValue();
    GetRegistryValue(root, keyPath, kind, valueName, result);
    return result;
}

bool SetRegistryValue(RegRoot root, std::string_view keyPath, bool create,
                      const RegistryValue& value, std::string_view valueName, RegValueKind kind)
{
    if (!IsKnownKind(kind)) {
        ShowTypeError("SetRegistryValue: unexpected var type");
        return false;
    }
    auto key = CurrentRegistry().OpenKey(root, keyPath, KeyAccess::ReadWrite, create);
    if (!key)
        return false;
    auto raw = Encode(value, kind);
    return raw && key->WriteValue(valueName, *raw);
}

bool RegKeyExists(RegRoot root, std::string_view keyPath)
{
    return CurrentRegistry().KeyExists(root, keyPath);
}

bool RegValueExists(RegRoot root, std::string_view keyPath, std::string_view valueName)
{
    auto key = CurrentRegistry().OpenKey(root, keyPath, KeyAccess::Read);
    return key && key->ValueExists(valueName);
}

bool RegCreateKeyIfMissing(RegRoot root, std::string_view keyPath)
{
    RegistryBackend& registry = CurrentRegistry();
    if (registry.KeyExists(root, keyPath))
        return false;
    return registry.OpenKey(root, keyPath, KeyAccess::ReadWrite, true) != nullptr;
}

bool RegDeleteKeyIfPresent(RegRoot root, std::string_view keyPath)
{
    RegistryBackend& registry = CurrentRegistry();
    return registry.KeyExists(root, keyPath) && registry.DeleteKey(root, keyPath);
}

bool RegDeleteValueIfPresent(RegRoot root, std::string_view keyPath, std::string_view valueName)
{
    RegistryBackend& registry = CurrentRegistry();
    if (!registry.KeyExists(root, keyPath))
        return false;
    auto key = registry.OpenKey(root, keyPath, KeyAccess::ReadWrite, false);
    return key && key->DeleteValue(valueName);
}

}  // namespace vx
