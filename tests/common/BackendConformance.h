#pragma once
// One suite of registry cases that every backend must pass. A test program
// instantiates it with INSTANTIATE_TEST_SUITE_P for the backends it has.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "common/RegistryBackend.h"

namespace vx {

struct BackendFactory {
    std::string name;
    std::function<std::unique_ptr<RegistryBackend>()> make;
};

inline void PrintTo(const BackendFactory& factory, std::ostream* out) { *out << factory.name; }

inline std::string BackendName(const ::testing::TestParamInfo<BackendFactory>& info) { return info.param.name; }

// Runs each case with the backend as the current registry and with the scratch
// keys under both roots deleted before and after.
class BackendConformance : public ::testing::TestWithParam<BackendFactory> {
protected:
    static constexpr const char* kScratch = "Software\\VelocitrexConformance";

    void SetUp() override;
    void TearDown() override;

    // kScratch + "\\" + relative
    static std::string Scratch(std::string_view relative);
    RegistryBackend& Backend() { return *backend_; }

private:
    void DeleteScratchKeys();

    std::unique_ptr<RegistryBackend> backend_;
    std::unique_ptr<ScopedRegistryBackend> current_;
};

}  // namespace vx
