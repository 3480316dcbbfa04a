#include "common/MemoryRegistry.h"

#include <algorithm>

namespace vx {
namespace {

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Splits a backslash-separated path into its key names; empty parts are skipped.
std::vector<std::string_view> SplitPath(std::string_view path)
{
    std::vector<std::string_view> parts;
    path = RelativeKeyPath(path);
    while (!path.empty()) {
        size_t cut = path.find('\\');
        std::string_view part = path.substr(0, cut);
        if (!part.empty())
            parts.push_back(part);
        if (cut == std::string_view::npos)
            break;
        path.remove_prefix(cut + 1);
    }
    return parts;
}

void MarkDeleted(MemoryKey& key)
{
    key.deleted = true;
    for (auto& sub : key.subkeys)
        MarkDeleted(*sub);
}

class MemoryKeyHandle : public RegistryKey {
public:
    MemoryKeyHandle(std::shared_ptr<MemoryKey> key, bool writable, const MemoryRegistry& owner)
        : key_(std::move(key)), writable_(writable), owner_(owner)
    {
    }

    std::optional<RawValue> ReadValue(std::string_view name) const override
    {
        if (key_->deleted)
            return std::nullopt;
        const MemoryKey::Value* value = key_->FindValue(name);
        if (!value)
            return std::nullopt;
        return value->value;
    }

    bool WriteValue(std::string_view name, const RawValue& value) override
    {
        if (!CanWrite())
            return false;
        key_->SetValue(name, value);
        return true;
    }

    bool DeleteValue(std::string_view name) override { return CanWrite() && key_->RemoveValue(name); }

    std::vector<std::string> SubkeyNames() const override
    {
        std::vector<std::string> names;
        if (!key_->deleted)
            for (const auto& sub : key_->subkeys)
                names.push_back(sub->name);
        return names;
    }

    std::vector<std::string> ValueNames() const override
    {
        std::vector<std::string> names;
        if (!key_->deleted)
            for (const auto& value : key_->values)
                names.push_back(value.name);
        return names;
    }

private:
    bool CanWrite() const { return writable_ && !key_->deleted && !owner_.ReadOnly(); }

    std::shared_ptr<MemoryKey> key_;
    bool writable_ = false;
    const MemoryRegistry& owner_;
};

}  // namespace

bool NamesEqual(std::string_view a, std::string_view b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Lower(x) == Lower(y); });
}

MemoryKey::Value* MemoryKey::FindValue(std::string_view valueName)
{
    for (auto& value : values)
        if (NamesEqual(value.name, valueName))
            return &value;
    return nullptr;
}

const MemoryKey::Value* MemoryKey::FindValue(std::string_view valueName) const
{
    return const_cast<MemoryKey*>(this)->FindValue(valueName);
}

std::shared_ptr<MemoryKey> MemoryKey::SubkeyPtr(std::string_view subkeyName) const
{
    for (const auto& sub : subkeys)
        if (NamesEqual(sub->name, subkeyName))
            return sub;
    return nullptr;
}

MemoryKey* MemoryKey::FindSubkey(std::string_view subkeyName) const { return SubkeyPtr(subkeyName).get(); }

MemoryKey& MemoryKey::AddSubkey(std::string_view subkeyName)
{
    if (MemoryKey* existing = FindSubkey(subkeyName))
        return *existing;
    auto sub = std::make_shared<MemoryKey>();
    sub->name = std::string(subkeyName);
    subkeys.push_back(sub);
    return *sub;
}

void MemoryKey::SetValue(std::string_view valueName, RawValue value)
{
    if (Value* existing = FindValue(valueName)) {
        existing->value = std::move(value);
        return;
    }
    values.push_back({std::string(valueName), std::move(value)});
}

bool MemoryKey::RemoveValue(std::string_view valueName)
{
    auto it = std::find_if(values.begin(), values.end(),
                           [&](const Value& v) { return NamesEqual(v.name, valueName); });
    if (it == values.end())
        return false;
    values.erase(it);
    return true;
}

bool MemoryKey::RemoveSubkey(std::string_view subkeyName)
{
    auto it = std::find_if(subkeys.begin(), subkeys.end(),
                           [&](const auto& sub) { return NamesEqual(sub->name, subkeyName); });
    if (it == subkeys.end())
        return false;
    MarkDeleted(**it);
    subkeys.erase(it);
    return true;
}

bool operator==(const MemoryKey& a, const MemoryKey& b)
{
    if (a.name != b.name || a.values.size() != b.values.size() || a.subkeys.size() != b.subkeys.size())
        return false;
    for (size_t i = 0; i < a.values.size(); ++i)
        if (a.values[i].name != b.values[i].name || !(a.values[i].value == b.values[i].value))
            return false;
    for (size_t i = 0; i < a.subkeys.size(); ++i)
        if (!(*a.subkeys[i] == *b.subkeys[i]))
            return false;
    return true;
}

MemoryRegistry::MemoryRegistry() { Clear(); }

void MemoryRegistry::Clear()
{
    static constexpr const char* names[] = {"HKEY_LOCAL_MACHINE", "HKEY_CURRENT_USER", "HKEY_CLASSES_ROOT",
                                            "HKEY_USERS", "HKEY_CURRENT_CONFIG"};
    for (size_t i = 0; i < roots_.size(); ++i) {
        if (roots_[i])
            MarkDeleted(*roots_[i]);
        roots_[i] = std::make_shared<MemoryKey>();
        roots_[i]->name = names[i];
    }
}

MemoryKey& MemoryRegistry::Root(RegRoot root) { return *roots_[static_cast<size_t>(root)]; }

const MemoryKey& MemoryRegistry::Root(RegRoot root) const { return *roots_[static_cast<size_t>(root)]; }

std::shared_ptr<MemoryKey> MemoryRegistry::Find(RegRoot root, std::string_view path) const
{
    std::shared_ptr<MemoryKey> key = roots_[static_cast<size_t>(root)];
    for (std::string_view part : SplitPath(path)) {
        key = key->SubkeyPtr(part);
        if (!key)
            return nullptr;
    }
    return key;
}

MemoryKey& MemoryRegistry::Create(RegRoot root, std::string_view path)
{
    MemoryKey* key = &Root(root);
    for (std::string_view part : SplitPath(path))
        key = &key->AddSubkey(part);
    return *key;
}

std::unique_ptr<RegistryKey> MemoryRegistry::OpenKey(RegRoot root, std::string_view path, KeyAccess access,
                                                     bool create)
{
    bool writable = access == KeyAccess::ReadWrite;
    if (writable && readOnly_)
        return nullptr;  // as opening for writing fails without write access
    std::shared_ptr<MemoryKey> key = Find(root, path);
    if (!key && create && writable) {
        Create(root, path);
        key = Find(root, path);
    }
    if (!key)
        return nullptr;
    return std::make_unique<MemoryKeyHandle>(std::move(key), writable, *this);
}

bool MemoryRegistry::KeyExists(RegRoot root, std::string_view path) { return Find(root, path) != nullptr; }

bool MemoryRegistry::DeleteKey(RegRoot root, std::string_view path) { return !readOnly_ && Remove(root, path); }

bool MemoryRegistry::Remove(RegRoot root, std::string_view path)
{
    std::vector<std::string_view> parts = SplitPath(path);
    if (parts.empty())
        return false;  // a root cannot be deleted
    std::shared_ptr<MemoryKey> parent = roots_[static_cast<size_t>(root)];
    for (size_t i = 0; i + 1 < parts.size(); ++i) {
        parent = parent->SubkeyPtr(parts[i]);
        if (!parent)
            return false;
    }
    return parent->RemoveSubkey(parts.back());
}

}  // namespace vx
