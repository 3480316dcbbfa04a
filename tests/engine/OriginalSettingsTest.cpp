#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/RegistryCalls.h"
#include "engine/vxOriginalSettings.h"
#include "engine/vxRegistryKeys.h"
#include "platform/host/HostMessageBoxes.h"
#include "tests/engine/FixtureRegistry.h"
#include "tests/engine/RegistrySnapshot.h"

namespace vx {
namespace {

using platform::HostMessageBoxes;
using platform::ScopedService;

constexpr RegRoot LM = RegRoot::LocalMachine;
constexpr const char* kTestKey = "System\\Test";

class OriginalSettings : public ::testing::Test {
protected:
    MemoryKey* Store()
    {
        auto key = registry_.Registry().Find(LM, StoreKey);
        return key.get();
    }
    std::optional<RawValue> StoreValue(const std::string& name)
    {
        MemoryKey* store = Store();
        if (!store || !store->FindValue(name))
            return std::nullopt;
        return store->FindValue(name)->value;
    }
    void Put(std::string_view name, RawValue value, std::string_view key = kTestKey)
    {
        registry_.Registry().Create(LM, key).SetValue(name, std::move(value));
    }
    std::optional<RawValue> Get(std::string_view name, std::string_view key = kTestKey)
    {
        auto found = registry_.Registry().Find(LM, key);
        if (!found || !found->FindValue(name))
            return std::nullopt;
        return found->FindValue(name)->value;
    }
    bool SetText(std::string_view name, const std::string& text, std::string_view key = kTestKey)
    {
        return SaveAndSetRegistryValue(LM, key, true, RegistryValue::String(text), name, RegValueKind::String);
    }
    std::vector<std::string> Messages() const
    {
        std::vector<std::string> texts;
        for (const auto& box : boxes_.Shown()) {
            EXPECT_EQ(box.buttons, platform::MsgButtons::Ok);
            EXPECT_EQ(box.caption, "");
            texts.push_back(box.text);
        }
        return texts;
    }

    test::FixtureRegistry registry_;
    HostMessageBoxes boxes_;
    ScopedService<platform::MessageBoxes> boxScope_{boxes_};
};

TEST(RestoreRecordNames, PadToThreeDigitsThenStandUnpadded)
{
    const std::pair<int32_t, const char*> cases[] = {
        {1, "S001"}, {7, "S007"}, {42, "S042"}, {999, "S999"}, {1000, "S1000"}, {12345, "S12345"}};
    for (const auto& [number, prefix] : cases)
        EXPECT_EQ(RestoreRecordPrefix(number), prefix);
    EXPECT_EQ(RestoreFieldName("S007", 6), "S007_6");
}

TEST_F(OriginalSettings, FirstChangeOfA98ReceiveWindowLeavesTheDocumentedRecord)
{
    Put("DefaultRcvWindow", RawValue::Text("8192"), MstcpKey);
    ASSERT_TRUE(SetText("DefaultRcvWindow", "65535", MstcpKey));

    EXPECT_EQ(StoreValue("Counter"), RawValue::Dword(1));
    const std::pair<const char*, const char*> fields[] = {
        {"S001_1", "1"},
        {"S001_2", "HKEY_LOCAL_MACHINE"},
        {"S001_3", "System\\CurrentControlSet\\Services\\VxD\\MSTCP"},
        {"S001_4", "DefaultRcvWindow"},
        {"S001_5", "String"},
        {"S001_6", "8192"},
    };
    for (const auto& [name, text] : fields)
        EXPECT_EQ(StoreValue(name), RawValue::Text(text)) << name;
    EXPECT_EQ(Store()->values.size(), 7u);
    EXPECT_EQ(Get("DefaultRcvWindow", MstcpKey), RawValue::Text("65535"));
}

TEST_F(OriginalSettings, AMissingValueGetsAnEmptyRecordAndIsDeletedOnRestore)
{
    ASSERT_TRUE(SetText("DefaultTTL", "64"));
    EXPECT_EQ(StoreValue("S001_1"), RawValue::Text("0"));
    EXPECT_EQ(StoreValue("S001_5"), RawValue::Text(""));
    EXPECT_EQ(StoreValue("S001_6"), RawValue::Text(""));

    EXPECT_TRUE(RestoreAllSettings());
    EXPECT_FALSE(Get("DefaultTTL"));
    EXPECT_FALSE(RegKeyExists(LM, StoreKey));
    EXPECT_TRUE(Messages().empty());
}

TEST_F(OriginalSettings, ThreeChangesKeepOneRecordOfTheFirstValue)
{
    Put("MaxMTU", RawValue::Text("1460"));
    for (const char* text : {"1500", "576", "1400"})
        ASSERT_TRUE(SetText("MaxMTU", text));
    EXPECT_EQ(StoreValue("Counter"), RawValue::Dword(1));
    EXPECT_EQ(StoreValue("S001_6"), RawValue::Text("1460"));

    RestoreAllSettings();
    EXPECT_EQ(Get("MaxMTU"), RawValue::Text("1460"));
}

// Every type a journal can hold comes back with its type and bytes.
TEST_F(OriginalSettings, EachRecordableTypeRestoresByteForByte)
{
    const std::pair<RawValue, const char*> cases[] = {
        {RawValue::Text("1460"), "String"},
        {RawValue{RegType::Sz, {'1', '4'}}, "String"},  // without its terminating zero
        {RawValue{RegType::Sz, {}}, "String"},
        {RawValue::Dword(1), "Integer"},
        {RawValue::Dword(0xFFFFFFFF), "Integer"},
        {RawValue::Binary({0xde, 0xad, 0x00, 0x01}), "Binary"},
        {RawValue::Binary({}), "Binary"},
        {RawValue::Text("%SystemRoot%\\x", RegType::ExpandSz), "ExpandString"},
        {RawValue{RegType::MultiSz, {'a', 0, 'b', 'c', 0, 0}}, "MultiString"},
    };
    for (const auto& [original, typeText] : cases) {
        Put("Value", original);
        ASSERT_TRUE(SetText("Value", "changed")) << typeText;
        EXPECT_EQ(StoreValue("S001_5"), RawValue::Text(typeText));
        EXPECT_TRUE(RestoreAllSettings());
        EXPECT_EQ(Get("Value"), original) << typeText;
    }
    EXPECT_TRUE(Messages().empty());
}

TEST_F(OriginalSettings, AValueOfATypeTheJournalCannotHoldIsLeftAlone)
{
    const RawValue cases[] = {
        {RegType::None, {1, 2}},
        {static_cast<RegType>(11), {1, 2, 3, 4, 5, 6, 7, 8}},  // REG_QWORD
        {RegType::Dword, {1, 2}},                              // a DWORD that is not four bytes
    };
    for (const RawValue& original : cases) {
        boxes_.Clear();
        Put("Value", original);
        EXPECT_FALSE(SetText("Value", "changed"));
        EXPECT_FALSE(SaveAndDeleteRegistryValue(LM, kTestKey, "Value"));
        EXPECT_EQ(Get("Value"), original);
        EXPECT_EQ(StoreValue("Counter"), RawValue::Dword(0));
        EXPECT_EQ(Messages(), std::vector<std::string>(2, "Unexpected data type of 0 in RegKeySaved"));
    }
}

// Refuses to open the journal for writing; every other key stays writable.
class StoreRefusingRegistry : public RegistryBackend {
public:
    explicit StoreRefusingRegistry(RegistryBackend& inner) : inner_(inner) {}
    std::unique_ptr<RegistryKey> OpenKey(RegRoot root, std::string_view path, KeyAccess access,
                                         bool create = false) override
    {
        if (access == KeyAccess::ReadWrite && NamesEqual(RelativeKeyPath(path), RelativeKeyPath(StoreKey)))
            return nullptr;
        return inner_.OpenKey(root, path, access, create);
    }
    bool KeyExists(RegRoot root, std::string_view path) override { return inner_.KeyExists(root, path); }
    bool DeleteKey(RegRoot root, std::string_view path) override { return inner_.DeleteKey(root, path); }

private:
    RegistryBackend& inner_;
};

TEST_F(OriginalSettings, NothingChangesWhenTheStoreCannotBeWritten)
{
    Put("Value", RawValue::Text("before"));
    StoreRefusingRegistry refusing(registry_.Registry());
    ScopedRegistryBackend scope(refusing);
    EXPECT_FALSE(SetText("Value", "after"));
    EXPECT_FALSE(SetText("New", "after"));
    EXPECT_FALSE(SaveAndDeleteRegistryValue(LM, kTestKey, "Value"));
    EXPECT_EQ(Get("Value"), RawValue::Text("before"));
    EXPECT_FALSE(Get("New"));
}

TEST_F(OriginalSettings, AnUnsupportedRootIsReportedTwiceAndNotWritten)
{
    EXPECT_FALSE(SaveAndSetRegistryValue(RegRoot::ClassesRoot, kTestKey, true, RegistryValue::String("x"), "V",
                                         RegValueKind::String));
    EXPECT_FALSE(GetRegistryValue(RegRoot::ClassesRoot, kTestKey, RegValueKind::String, "V").AsString() == "x");
    EXPECT_EQ(Messages(), std::vector<std::string>(2, "Unexpected Root Key value in RegKeySaved"));
}

TEST_F(OriginalSettings, CurrentUserValuesAreJournalledAndRestored)
{
    registry_.Registry().Create(RegRoot::CurrentUser, kTestKey).SetValue("V", RawValue::Dword(5));
    ASSERT_TRUE(SaveAndSetRegistryValue(RegRoot::CurrentUser, kTestKey, true, RegistryValue::Integer(9), "V",
                                        RegValueKind::Integer));
    EXPECT_EQ(StoreValue("S001_2"), RawValue::Text("HKEY_CURRENT_USER"));
    RestoreAllSettings();
    EXPECT_EQ(GetRegistryValue(RegRoot::CurrentUser, kTestKey, RegValueKind::Integer, "V").AsInteger(), 5);
}

TEST_F(OriginalSettings, RegKeySavedMatchesOnlyTheExactTriple)
{
    Put("MaxMTU", RawValue::Text("1"));
    ASSERT_TRUE(SetText("MaxMTU", "2"));
    struct Case {
        RegRoot root;
        const char* path;
        const char* name;
        bool saved;
    };
    const Case cases[] = {
        {LM, "System\\Test", "MaxMTU", true},   {LM, "\\System\\Test", "MaxMTU", false},
        {LM, "system\\test", "MaxMTU", false},  {LM, "System\\Test", "maxmtu", false},
        {LM, "System\\Test", "IPMTU", false},   {RegRoot::CurrentUser, "System\\Test", "MaxMTU", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RegKeySaved(c.root, c.path, c.name), c.saved) << c.path << " " << c.name;
    EXPECT_FALSE(RegKeySaved(RegRoot::Users, "System\\Test", "MaxMTU"));
    EXPECT_EQ(Messages(), std::vector<std::string>{"Unexpected Root Key value in RegKeySaved"});
}

TEST_F(OriginalSettings, RecordNumbersFollowTheCounter)
{
    const std::pair<RawValue, const char*> cases[] = {
        {RawValue::Dword(static_cast<uint32_t>(-5)), "S001_1"},
        {RawValue::Dword(6), "S007_1"},
        {RawValue::Dword(999), "S1000_1"},
        {RawValue::Text("12"), "S001_1"},  // not a DWORD: counts as missing
    };
    for (const auto& [counter, firstField] : cases) {
        registry_.Registry().DeleteKey(LM, StoreKey);
        registry_.Registry().Create(LM, StoreKey).SetValue("Counter", counter);
        ASSERT_TRUE(SetText("V", "x")) << firstField;
        EXPECT_TRUE(StoreValue(firstField)) << firstField;
        // The walk from "Counter" down builds the same names.
        EXPECT_TRUE(RestoreAllSettings());
        EXPECT_FALSE(Get("V")) << firstField;
        EXPECT_FALSE(RegKeyExists(LM, StoreKey));
    }
}

TEST_F(OriginalSettings, TwelveRecordsRestoreNewestFirstAndTheStoreIsRemoved)
{
    for (int i = 1; i <= 12; ++i)
        Put("V" + std::to_string(i), RawValue::Dword(static_cast<uint32_t>(i)));
    // The same value under two spellings of its key: the older record must win.
    Put("Shared", RawValue::Text("first"));
    ASSERT_TRUE(SetText("Shared", "second"));
    ASSERT_TRUE(SetText("Shared", "third", "\\System\\Test"));
    for (int i = 1; i <= 10; ++i)
        ASSERT_TRUE(SaveAndSetRegistryValue(LM, kTestKey, true, RegistryValue::Integer(100), "V" + std::to_string(i),
                                            RegValueKind::Integer));
    EXPECT_EQ(StoreValue("Counter"), RawValue::Dword(12));

    EXPECT_TRUE(RestoreAllSettings());
    for (int i = 1; i <= 10; ++i)
        EXPECT_EQ(Get("V" + std::to_string(i)), RawValue::Dword(static_cast<uint32_t>(i)));
    EXPECT_EQ(Get("Shared"), RawValue::Text("first"));
    EXPECT_FALSE(RegKeyExists(LM, StoreKey));
}

TEST_F(OriginalSettings, DeletingJournalsOnceAndRestoresTheDeletedValue)
{
    EXPECT_FALSE(SaveAndDeleteRegistryValue(LM, kTestKey, "Absent"));
    EXPECT_FALSE(RegKeyExists(LM, StoreKey));

    Put("SackOpts", RawValue::Text("1"));
    EXPECT_TRUE(SaveAndDeleteRegistryValue(LM, kTestKey, "SackOpts"));
    EXPECT_FALSE(Get("SackOpts"));
    EXPECT_EQ(StoreValue("S001_1"), RawValue::Text("1"));
    RestoreAllSettings();
    EXPECT_EQ(Get("SackOpts"), RawValue::Text("1"));
}

TEST_F(OriginalSettings, RestoringAnEmptyOrMissingStoreChangesNothing)
{
    Put("V", RawValue::Text("x"));
    auto before = test::TakeSnapshot(registry_.Registry());
    EXPECT_TRUE(RestoreAllSettings());
    EXPECT_EQ(test::TakeSnapshot(registry_.Registry()), before);
    registry_.Registry().Create(LM, StoreKey).SetValue("Counter", RawValue::Dword(0));
    auto withEmptyStore = test::TakeSnapshot(registry_.Registry());
    EXPECT_TRUE(RestoreAllSettings());
    EXPECT_EQ(test::TakeSnapshot(registry_.Registry()), withEmptyStore);
    EXPECT_TRUE(Messages().empty());
}

// Records a hand-edited or older journal may hold.
TEST_F(OriginalSettings, UnrestorableRecordsAreReportedAndTheWalkGoesOn)
{
    auto& store = registry_.Registry().Create(LM, StoreKey);
    auto record = [&](const char* prefix, const char* root, const char* type) {
        std::string p = prefix;
        store.SetValue(p + "_1", RawValue::Text("1"));
        store.SetValue(p + "_2", RawValue::Text(root));
        store.SetValue(p + "_3", RawValue::Text(kTestKey));
        store.SetValue(p + "_4", RawValue::Text(std::string("V") + prefix));
        store.SetValue(p + "_5", RawValue::Text(type));
        store.SetValue(p + "_6", RawValue::Text("restored"));
    };
    record("S001", "HKEY_LOCAL_MACHINE", "String");
    record("S002", "HKEY_CLASSES_ROOT", "String");
    record("S003", "HKEY_LOCAL_MACHINE", "None");
    store.SetValue("Counter", RawValue::Dword(3));

    EXPECT_TRUE(RestoreAllSettings());
    EXPECT_EQ(Messages(), (std::vector<std::string>{"Unexpected data type in S003_5",
                                                    "Unexpected root key in DeleteRestoreEntry with \"S002"}));
    EXPECT_EQ(Get("VS001"), RawValue::Text("restored"));
    EXPECT_FALSE(RegKeyExists(LM, StoreKey));
}

TEST_F(OriginalSettings, AValueThatCannotBeWrittenBackKeepsItsRecord)
{
    Put("V", RawValue::Text("before"));
    ASSERT_TRUE(SetText("V", "after"));
    registry_.Registry().SetReadOnly(true);
    EXPECT_FALSE(RestoreAllSettings());
    registry_.Registry().SetReadOnly(false);
    EXPECT_EQ(StoreValue("S001_6"), RawValue::Text("before"));

    EXPECT_TRUE(RestoreAllSettings());
    EXPECT_EQ(Get("V"), RawValue::Text("before"));
    EXPECT_FALSE(RegKeyExists(LM, StoreKey));
}

// On a machine without a parameter key, applying created it and restoring left it
// behind (about one random machine in five).
TEST_F(OriginalSettings, AKeyAWriteCreatesIsJournalledAndRemovedOnRestore)
{
    struct Case {
        const char* path;
        const char* recordedKey;  // "" when no whole-key record is expected
    };
    const Case cases[] = {
        {"System\\Test\\New\\Deeper", "System\\Test\\New"},
        {"\\System\\Test\\New", "\\System\\Test\\New"},
        {"System\\Test", ""},
        {"\\Software\\Quorvex\\Velocitrex", ""},  // the journal's own key makes it
    };
    for (const Case& c : cases) {
        registry_.Registry().Clear();
        Put("Kept", RawValue::Text("x"));
        const auto before = test::TakeSnapshot(registry_.Registry(), "Software");
        ASSERT_TRUE(SetText("V", "1", c.path)) << c.path;
        EXPECT_EQ(Get("V", c.path), RawValue::Text("1"));
        if (*c.recordedKey) {
            EXPECT_EQ(StoreValue("S001_1"), RawValue::Text("0")) << c.path;
            EXPECT_EQ(StoreValue("S001_3"), RawValue::Text(c.recordedKey)) << c.path;
            EXPECT_EQ(StoreValue("S001_4"), RawValue::Text("")) << c.path;
            EXPECT_EQ(StoreValue("S002_4"), RawValue::Text("V")) << c.path;
        } else {
            EXPECT_EQ(StoreValue("Counter"), RawValue::Dword(1)) << c.path;
        }
        EXPECT_TRUE(RestoreAllSettings());
        EXPECT_EQ(test::TakeSnapshot(registry_.Registry(), "Software"), before) << c.path;
        EXPECT_FALSE(Get("V", c.path)) << c.path;
        EXPECT_TRUE(Messages().empty());
    }
}

// A deleted "sackopts" once came back as "SackOpts", the engine's spelling.
TEST_F(OriginalSettings, AValueComesBackUnderItsOwnSpelling)
{
    auto storedNames = [&] {
        std::vector<std::string> names;
        for (const auto& value : registry_.Registry().Find(LM, kTestKey)->values)
            names.push_back(value.name);
        return names;
    };
    Put("sackopts", RawValue::Text("1"));
    Put("defaultttl", RawValue::Text("64"));
    // Two applies: SACK off, then on; the TTL changed both times.
    EXPECT_TRUE(SaveAndDeleteRegistryValue(LM, kTestKey, "SackOpts"));
    ASSERT_TRUE(SetText("DefaultTTL", "128"));
    ASSERT_TRUE(SetText("SackOpts", "1"));
    ASSERT_TRUE(SetText("DefaultTTL", "100"));
    EXPECT_EQ(StoreValue("S001_4"), RawValue::Text("sackopts"));
    EXPECT_EQ(StoreValue("S002_4"), RawValue::Text("defaultttl"));
    EXPECT_EQ(StoreValue("Counter"), RawValue::Dword(3)) << "the TTL is journalled once";

    EXPECT_TRUE(RestoreAllSettings());
    EXPECT_EQ(storedNames(), (std::vector<std::string>{"defaultttl", "sackopts"}));
    EXPECT_EQ(Get("sackopts"), RawValue::Text("1"));
    EXPECT_EQ(Get("defaultttl"), RawValue::Text("64"));
}

TEST_F(OriginalSettings, LegacyBackupIsAnyDwordButMinusOne)
{
    const std::pair<std::optional<RawValue>, bool> cases[] = {
        {std::nullopt, false},
        {RawValue::Dword(0), true},
        {RawValue::Dword(64), true},
        {RawValue::Dword(0xFFFFFFFF), false},
        {RawValue::Text("64"), false},
    };
    for (const auto& [stored, expected] : cases) {
        registry_.Registry().Create(LM, ProductKey).RemoveValue("Orig_ttl_TF");
        if (stored)
            Put("Orig_ttl_TF", *stored, ProductKey);
        EXPECT_EQ(HasLegacyBackup(), expected);
    }
}

}  // namespace
}  // namespace vx
