#pragma once
#include <memory>
#include <optional>
#include <string>

#include "common/MemoryRegistry.h"

namespace vx::tune {

// The --registry FILE of one run: loaded at start and made the current registry,
// saved back only when a command changed it.
class RegistryFileSession {
public:
    explicit RegistryFileSession(std::string path);
    ~RegistryFileSession();
    RegistryFileSession(const RegistryFileSession&) = delete;
    RegistryFileSession& operator=(const RegistryFileSession&) = delete;

    // The error message when the file cannot be read or is malformed (a missing
    // file is an empty registry).
    std::optional<std::string> Load();
    std::optional<std::string> SaveIfChanged();
    MemoryRegistry& Registry() { return registry_; }

private:
    std::string path_;
    MemoryRegistry registry_;
    std::string loaded_;
    std::unique_ptr<ScopedRegistryBackend> scope_;
};

}  // namespace vx::tune
