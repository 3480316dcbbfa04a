#include "common/MemoryRegistry.h"

#include <algorithm>

namespace vx {
namespace {

void MarkDeleted(MemoryKey& key)
{
    VisitKeys(key, [](MemoryKey& each, size_t) { each.deleted = true; });
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

MemoryKey::~MemoryKey()
{
    std::vector<std::shared_ptr<MemoryKey>> pending = std::move(subkeys);
    while (!pending.empty()) {
        std::shared_ptr<MemoryKey> key = std::move(pending.back());
        pending.pop_back();
        // Only the last owner takes the subkeys; an open handle keeps its key whole.
        if (key && key.use_count() == 1)
            for (auto& sub : key->subkeys)
                pending.push_back(std::move(sub));
    }
}

size_t MemoryKey::ValuePosition(std::string_view valueName) const
{
    return valueIndex_.Find(valueName, values.size(), [this](size_t i) -> std::string_view { return values[i].name; });
}

size_t MemoryKey::SubkeyPosition(std::string_view subkeyName) const
{
    return subkeyIndex_.Find(subkeyName, subkeys.size(),
                             [this](size_t i) -> std::string_view { return subkeys[i]->name; });
}

MemoryKey::Value* MemoryKey::FindValue(std::string_view valueName)
{
    size_t position = ValuePosition(valueName);
    return position == NameIndex::npos ? nullptr : &values[position];
}

const MemoryKey::Value* MemoryKey::FindValue(std::string_view valueName) const
{
    return const_cast<MemoryKey*>(this)->FindValue(valueName);
}

std::shared_ptr<MemoryKey> MemoryKey::SubkeyPtr(std::string_view subkeyName) const
{
    size_t position = SubkeyPosition(subkeyName);
    return position == NameIndex::npos ? nullptr : subkeys[position];
}

MemoryKey* MemoryKey::FindSubkey(std::string_view subkeyName) const
{
    size_t position = SubkeyPosition(subkeyName);
    return position == NameIndex::npos ? nullptr : subkeys[position].get();
}

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
    size_t position = ValuePosition(valueName);
    if (position == NameIndex::npos)
        return false;
    valueIndex_.Erase(position, values.size(), [this](size_t i) -> std::string_view { return values[i].name; });
    values.erase(values.begin() + static_cast<std::ptrdiff_t>(position));
    return true;
}

bool MemoryKey::RemoveSubkey(std::string_view subkeyName)
{
    size_t position = SubkeyPosition(subkeyName);
    if (position == NameIndex::npos)
        return false;
    subkeyIndex_.Erase(position, subkeys.size(),
                       [this](size_t i) -> std::string_view { return subkeys[i]->name; });
    auto it = subkeys.begin() + static_cast<std::ptrdiff_t>(position);
    MarkDeleted(**it);
    subkeys.erase(it);
    return true;
}

namespace {

bool SameNameAndValues(const MemoryKey& a, const MemoryKey& b)
{
    if (a.name != b.name || a.values.size() != b.values.size() || a.subkeys.size() != b.subkeys.size())
        return false;
    for (size_t i = 0; i < a.values.size(); ++i)
        if (a.values[i].name != b.values[i].name || !(a.values[i].value == b.values[i].value))
            return false;
    return true;
}

}  // namespace

bool operator==(const MemoryKey& a, const MemoryKey& b)
{
    std::vector<std::pair<const MemoryKey*, const MemoryKey*>> pending{{&a, &b}};
    while (!pending.empty()) {
        auto [x, y] = pending.back();
        pending.pop_back();
        if (!SameNameAndValues(*x, *y))
            return false;
        for (size_t i = 0; i < x->subkeys.size(); ++i)
            pending.push_back({x->subkeys[i].get(), y->subkeys[i].get()});
    }
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
    for (std::string_view part = NextKeyName(path); !part.empty() && key; part = NextKeyName(path))
        key = key->SubkeyPtr(part);
    return key;
}

MemoryKey& MemoryRegistry::Create(RegRoot root, std::string_view path)
{
    MemoryKey* key = &Root(root);
    for (std::string_view part = NextKeyName(path); !part.empty(); part = NextKeyName(path))
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
    if (!key && create && writable && KeyPathDepth(path) <= MaxKeyDepth) {
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
    MemoryKey* parent = &Root(root);
    std::string_view name = NextKeyName(path);
    if (name.empty())
        return false;  // a root cannot be deleted
    for (std::string_view next = NextKeyName(path); !next.empty(); next = NextKeyName(path)) {
        parent = parent->FindSubkey(name);
        if (!parent)
            return false;
        name = next;
    }
    return parent->RemoveSubkey(name);
}

}  // namespace vx
