#pragma once
// A registry that counts the calls made to the one it wraps.
#include "common/RegistryBackend.h"

namespace vx::test {

class CountingRegistry : public RegistryBackend {
public:
    explicit CountingRegistry(RegistryBackend& inner) : inner_(inner) {}

    std::unique_ptr<RegistryKey> OpenKey(RegRoot root, std::string_view path, KeyAccess access,
                                         bool create = false) override
    {
        ++opens;
        return inner_.OpenKey(root, path, access, create);
    }
    bool KeyExists(RegRoot root, std::string_view path) override
    {
        ++existenceChecks;
        return inner_.KeyExists(root, path);
    }
    bool DeleteKey(RegRoot root, std::string_view path) override { return inner_.DeleteKey(root, path); }

    int opens = 0;
    int existenceChecks = 0;

private:
    RegistryBackend& inner_;
};

}  // namespace vx::test
