#include "common/MemoryRegistry.h"
#include "common/RegistryCalls.h"
#include "tests/common/BackendConformance.h"

namespace vx {
namespace {

INSTANTIATE_TEST_SUITE_P(Memory, BackendConformance,
                         ::testing::Values(BackendFactory{
                             "Memory", [] { return std::make_unique<MemoryRegistry>(); }}),
                         BackendName);

TEST(MemoryRegistry, ReadOnlyRegistryRefusesEveryWriteButReads)
{
    MemoryRegistry registry;
    registry.Create(RegRoot::LocalMachine, "K").SetValue("v", RawValue::Dword(1));
    registry.SetReadOnly(true);
    ScopedRegistryBackend current(registry);
    const RegistryValue two = RegistryValue::Integer(2);
    EXPECT_FALSE(SetRegistryValue(RegRoot::LocalMachine, "K", false, two, "v", RegValueKind::Integer));
    EXPECT_FALSE(SetRegistryValue(RegRoot::LocalMachine, "New", true, two, "v", RegValueKind::Integer));
    EXPECT_FALSE(RegCreateKeyIfMissing(RegRoot::LocalMachine, "New"));
    EXPECT_FALSE(RegDeleteValueIfPresent(RegRoot::LocalMachine, "K", "v"));
    EXPECT_FALSE(RegDeleteKeyIfPresent(RegRoot::LocalMachine, "K"));
    EXPECT_FALSE(RegKeyExists(RegRoot::LocalMachine, "New"));
    EXPECT_EQ(GetRegistryValue(RegRoot::LocalMachine, "K", RegValueKind::Integer, "v"), RegistryValue::Integer(1));
}

}  // namespace
}  // namespace vx
