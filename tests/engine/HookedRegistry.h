#pragma once
// A registry that hands every call on to the one it wraps, after asking Permit:
// the calls on opened keys too. A test registry decides there what to count,
// refuse or stop at.
#include <memory>

#include "common/RegistryBackend.h"

namespace vx::test {

class HookedRegistry : public RegistryBackend {
public:
    // Change: a value written or deleted, a key deleted or created.
    enum class Call { Open, Exists, Read, List, Change };

    explicit HookedRegistry(RegistryBackend& inner) : inner_(inner) {}

    // False makes the call fail: nothing opened, found or changed.
    virtual bool Permit(Call call) = 0;

    std::unique_ptr<RegistryKey> OpenKey(RegRoot root, std::string_view path, KeyAccess access,
                                         bool create = false) override
    {
        if (!Permit(Call::Open))
            return nullptr;
        if (create && access == KeyAccess::ReadWrite && !inner_.KeyExists(root, path) && !Permit(Call::Change))
            return nullptr;
        auto key = inner_.OpenKey(root, path, access, create);
        return key ? std::make_unique<Key>(std::move(key), *this) : nullptr;
    }
    bool KeyExists(RegRoot root, std::string_view path) override
    {
        return Permit(Call::Exists) && inner_.KeyExists(root, path);
    }
    bool DeleteKey(RegRoot root, std::string_view path) override
    {
        return Permit(Call::Change) && inner_.DeleteKey(root, path);
    }

private:
    class Key : public RegistryKey {
    public:
        Key(std::unique_ptr<RegistryKey> inner, HookedRegistry& owner) : inner_(std::move(inner)), owner_(owner) {}
        std::optional<RawValue> ReadValue(std::string_view name) const override
        {
            return owner_.Permit(Call::Read) ? inner_->ReadValue(name) : std::nullopt;
        }
        bool WriteValue(std::string_view name, const RawValue& value) override
        {
            return owner_.Permit(Call::Change) && inner_->WriteValue(name, value);
        }
        bool DeleteValue(std::string_view name) override
        {
            return owner_.Permit(Call::Change) && inner_->DeleteValue(name);
        }
        std::vector<std::string> SubkeyNames() const override
        {
            return owner_.Permit(Call::List) ? inner_->SubkeyNames() : std::vector<std::string>{};
        }
        std::vector<std::string> ValueNames() const override
        {
            return owner_.Permit(Call::List) ? inner_->ValueNames() : std::vector<std::string>{};
        }

    private:
        std::unique_ptr<RegistryKey> inner_;
        HookedRegistry& owner_;
    };

    RegistryBackend& inner_;
};

}  // namespace vx::test
