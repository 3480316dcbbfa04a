#pragma once
// A registry that refuses every change at or below some keys and passes the rest
// on: what a user without administrator rights meets on Windows NT, 2000 and
// XP, where opening such a key for writing or creating one below it is denied.
#include <optional>
#include <string>
#include <vector>

#include "common/RegistryBackend.h"

namespace vx::ui::script {

class WriteDenyingRegistry : public RegistryBackend {
public:
    explicit WriteDenyingRegistry(RegistryBackend& inner) : inner_(inner) {}

    // "HKEY_LOCAL_MACHINE\System": false when the root is unknown.
    bool DenyAt(const std::string& fullPath);

    std::unique_ptr<RegistryKey> OpenKey(RegRoot root, std::string_view path, KeyAccess access,
                                         bool create = false) override;
    bool KeyExists(RegRoot root, std::string_view path) override { return inner_.KeyExists(root, path); }
    bool DeleteKey(RegRoot root, std::string_view path) override;

    // Changes refused so far.
    int Refusals() const { return refusals_; }

private:
    bool Denied(RegRoot root, std::string_view path) const;

    struct Denial {
        RegRoot root;
        std::string path;
    };
    RegistryBackend& inner_;
    std::vector<Denial> denials_;
    int refusals_ = 0;
};

}  // namespace vx::ui::script
