#pragma once
#include <gtest/gtest.h>

#include <string>

#include "common/MemoryRegistry.h"
#include "common/RegFile.h"
#include "common/RegistryBackend.h"

namespace vx::test {

// An in-memory registry, loaded from tests/engine/fixtures/FILE when one is named,
// that serves as the current registry while the object lives.
class FixtureRegistry {
public:
    explicit FixtureRegistry(const std::string& fixtureFile = "") : scope_(registry_)
    {
        if (fixtureFile.empty())
            return;
        const std::string path = std::string(VX_SOURCE_DIR) + "/tests/engine/fixtures/" + fixtureFile;
        auto error = LoadRegFile(registry_, path);
        EXPECT_FALSE(error) << *error;
        EXPECT_TRUE(registry_.Find(RegRoot::LocalMachine, "System")) << path << " loaded nothing";
    }

    MemoryRegistry& Registry() { return registry_; }

private:
    MemoryRegistry registry_;
    ScopedRegistryBackend scope_;
};

}  // namespace vx::test
