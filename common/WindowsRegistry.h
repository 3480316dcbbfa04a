#pragma once
#include "common/RegistryBackend.h"

namespace vx {

// The system registry, through the Win32 registry functions only.
class WindowsRegistry : public RegistryBackend {
public:
    std::unique_ptr<RegistryKey> OpenKey(RegRoot root, std::string_view path, KeyAccess access,
                                         bool create = false) override;
    bool KeyExists(RegRoot root, std::string_view path) override;
    bool DeleteKey(RegRoot root, std::string_view path) override;
};

}  // namespace vx
