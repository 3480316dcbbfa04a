#pragma once
// A registry that loses power: after a given number of changes (value writes and
// deletes, key deletes, keys created) every further change fails, so what it
// holds is what a PC that went off at that moment would find on restart.
// Reads keep working, as the program runs on until it notices nothing.
#include <memory>

#include "common/RegistryBackend.h"

namespace vx::test {

class PowerCutRegistry : public RegistryBackend {
public:
    PowerCutRegistry(RegistryBackend& inner, long changesBeforeCut) : inner_(inner), left_(changesBeforeCut) {}

    std::unique_ptr<RegistryKey> OpenKey(RegRoot root, std::string_view path, KeyAccess access,
                                         bool create = false) override
    {
        if (create && access == KeyAccess::ReadWrite && !inner_.KeyExists(root, path) && !Change())
            return nullptr;
        auto key = inner_.OpenKey(root, path, access, create);
        return key ? std::make_unique<Key>(std::move(key), *this) : nullptr;
    }
    bool KeyExists(RegRoot root, std::string_view path) override { return inner_.KeyExists(root, path); }
    bool DeleteKey(RegRoot root, std::string_view path) override
    {
        return Change() && inner_.DeleteKey(root, path);
    }

    // Whether one more change may happen.
    bool Change() { return left_-- > 0; }
    bool Cut() const { return left_ < 0; }

private:
    class Key : public RegistryKey {
    public:
        Key(std::unique_ptr<RegistryKey> inner, PowerCutRegistry& owner) : inner_(std::move(inner)), owner_(owner) {}
        std::optional<RawValue> ReadValue(std::string_view name) const override { return inner_->ReadValue(name); }
        bool WriteValue(std::string_view name, const RawValue& value) override
        {
            return owner_.Change() && inner_->WriteValue(name, value);
        }
        bool DeleteValue(std::string_view name) override { return owner_.Change() && inner_->DeleteValue(name); }
        std::vector<std::string> SubkeyNames() const override { return inner_->SubkeyNames(); }
        std::vector<std::string> ValueNames() const override { return inner_->ValueNames(); }

    private:
        std::unique_ptr<RegistryKey> inner_;
        PowerCutRegistry& owner_;
    };

    RegistryBackend& inner_;
    long left_;
};

}  // namespace vx::test
