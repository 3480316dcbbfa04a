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

// Keys this big are searched through an index, which must follow every change.
TEST(MemoryRegistry, BigKeysFindNamesInAnyCaseThroughChanges)
{
    MemoryKey key;
    for (int i = 0; i < 300; ++i) {
        key.SetValue("Value" + std::to_string(i), RawValue::Dword(static_cast<uint32_t>(i)));
        key.AddSubkey("Sub" + std::to_string(i));
    }
    EXPECT_EQ(key.FindValue("VALUE123")->value, RawValue::Dword(123));
    EXPECT_EQ(key.FindSubkey("sub299")->name, "Sub299");
    EXPECT_EQ(key.FindValue("Value300"), nullptr);

    ASSERT_TRUE(key.RemoveValue("value5"));
    ASSERT_TRUE(key.RemoveSubkey("SUB5"));
    EXPECT_EQ(key.FindValue("Value5"), nullptr);
    EXPECT_EQ(key.FindSubkey("Sub5"), nullptr);
    EXPECT_EQ(key.FindValue("Value299")->value, RawValue::Dword(299));
    EXPECT_EQ(key.FindSubkey("Sub6")->name, "Sub6");

    key.SetValue("VALUE7", RawValue::Dword(70));  // replaces, keeps name and place
    EXPECT_EQ(key.values[6].name, "Value7");
    EXPECT_EQ(key.values[6].value, RawValue::Dword(70));
    key.values.push_back({"Appended", RawValue::Dword(1)});
    EXPECT_NE(key.FindValue("appended"), nullptr);
    EXPECT_EQ(key.values.size(), 300u);
    EXPECT_EQ(key.subkeys.size(), 299u);
}

// Trees deeper than any file may hold can still be made through Create; freeing,
// comparing and deleting them once recursed once per level and overflowed the stack.
TEST(MemoryRegistry, DeepTreesAreWalkedWithoutRecursion)
{
    std::string path;
    for (int i = 0; i < 100000; ++i)
        path += "k\\";
    MemoryRegistry a, b;
    a.Create(RegRoot::LocalMachine, path).SetValue("v", RawValue::Dword(1));
    b.Create(RegRoot::LocalMachine, path).SetValue("v", RawValue::Dword(1));
    EXPECT_TRUE(a.Root(RegRoot::LocalMachine) == b.Root(RegRoot::LocalMachine));
    b.Find(RegRoot::LocalMachine, path)->SetValue("v", RawValue::Dword(2));
    EXPECT_FALSE(a.Root(RegRoot::LocalMachine) == b.Root(RegRoot::LocalMachine));

    auto handle = a.OpenKey(RegRoot::LocalMachine, path.substr(0, 1000), KeyAccess::Read);
    EXPECT_TRUE(a.DeleteKey(RegRoot::LocalMachine, "k"));
    EXPECT_FALSE(handle->ReadValue("v"));
    b.Clear();
}

TEST(MemoryRegistry, CreatesKeysOnlyAsDeepAsWindowsKeepsThem)
{
    MemoryRegistry registry;
    std::string path = "k";
    for (size_t depth = 1; depth < MaxKeyDepth; ++depth)
        path += "\\k";
    EXPECT_TRUE(registry.OpenKey(RegRoot::LocalMachine, path, KeyAccess::ReadWrite, true));
    EXPECT_FALSE(registry.OpenKey(RegRoot::LocalMachine, path + "\\k", KeyAccess::ReadWrite, true));
    EXPECT_FALSE(registry.KeyExists(RegRoot::LocalMachine, path + "\\k"));
}

}  // namespace
}  // namespace vx
