#pragma once
// A registry that lets the one it wraps do a fixed amount of work: every open,
// existence check, delete and every call on an opened key counts, and the call
// past the budget throws. A loop that runs once per number instead of once per
// record fails at once instead of running for hours.
#include <memory>
#include <stdexcept>

#include "common/RegistryBackend.h"

namespace vx::test {

struct WorkBudgetExceeded : std::runtime_error {
    WorkBudgetExceeded() : std::runtime_error("registry work budget exceeded") {}
};

class BudgetRegistry : public RegistryBackend {
public:
    BudgetRegistry(RegistryBackend& inner, long budget) : inner_(inner), left_(budget) {}

    std::unique_ptr<RegistryKey> OpenKey(RegRoot root, std::string_view path, KeyAccess access,
                                         bool create = false) override
    {
        Spend();
        auto key = inner_.OpenKey(root, path, access, create);
        return key ? std::make_unique<Key>(std::move(key), *this) : nullptr;
    }
    bool KeyExists(RegRoot root, std::string_view path) override
    {
        Spend();
        return inner_.KeyExists(root, path);
    }
    bool DeleteKey(RegRoot root, std::string_view path) override
    {
        Spend();
        return inner_.DeleteKey(root, path);
    }

    void Spend()
    {
        if (--left_ < 0)
            throw WorkBudgetExceeded();
    }

private:
    class Key : public RegistryKey {
    public:
        Key(std::unique_ptr<RegistryKey> inner, BudgetRegistry& owner) : inner_(std::move(inner)), owner_(owner) {}
        std::optional<RawValue> ReadValue(std::string_view name) const override
        {
            owner_.Spend();
            return inner_->ReadValue(name);
        }
        bool WriteValue(std::string_view name, const RawValue& value) override
        {
            owner_.Spend();
            return inner_->WriteValue(name, value);
        }
        bool DeleteValue(std::string_view name) override
        {
            owner_.Spend();
            return inner_->DeleteValue(name);
        }
        std::vector<std::string> SubkeyNames() const override
        {
            owner_.Spend();
            return inner_->SubkeyNames();
        }
        std::vector<std::string> ValueNames() const override
        {
            owner_.Spend();
            return inner_->ValueNames();
        }

    private:
        std::unique_ptr<RegistryKey> inner_;
        BudgetRegistry& owner_;
    };

    RegistryBackend& inner_;
    long left_;
};

}  // namespace vx::test
