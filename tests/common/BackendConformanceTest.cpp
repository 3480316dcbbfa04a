// The registry cases every backend must pass, through the typed layer and the
// backend operations beneath it.
#include <algorithm>
#include <climits>
#include <cstring>

#include "common/RegistryCalls.h"
#include "tests/common/BackendConformance.h"

namespace vx {
namespace {

constexpr RegRoot kRoots[] = {RegRoot::LocalMachine, RegRoot::CurrentUser};

RawValue Raw(RegType type, std::vector<uint8_t> data) { return RawValue{type, std::move(data)}; }

RawValue DoubleBytes(double days)
{
    std::vector<uint8_t> bytes(sizeof days);
    std::memcpy(bytes.data(), &days, sizeof days);
    return RawValue::Binary(bytes);
}

std::optional<RawValue> StoredValue(RegistryBackend& backend, RegRoot root, const std::string& path,
                                    std::string_view name)
{
    auto key = backend.OpenKey(root, path, KeyAccess::Read);
    return key ? key->ReadValue(name) : std::nullopt;
}

struct TypedCase {
    const char* what;
    RegistryValue written;
    RegValueKind writeKind;
    bool writes;
    std::optional<RawValue> stored;
    RegValueKind readKind;
    RegistryValue read;
};

TEST_P(BackendConformance, TypedValuesAreStoredAndReadByKind)
{
    using K = RegValueKind;
    using V = RegistryValue;
    const TypedCase cases[] = {
        {"integer", V::Integer(1500), K::Integer, true, RawValue::Dword(1500), K::Integer, V::Integer(1500)},
        {"negative integer", V::Integer(INT32_MIN), K::Integer, true, RawValue::Dword(0x80000000u), K::Integer,
         V::Integer(INT32_MIN)},
        {"integer with the String kind", V::Integer(149600), K::String, true, RawValue::Text("149600"), K::String,
         V::String("149600")},
        {"REG_SZ read as Integer", V::Integer(1), K::String, true, RawValue::Text("1"), K::Integer, V::Integer(-1)},
        {"decimal text as Integer", V::String("-7"), K::Integer, true, RawValue::Dword(0xFFFFFFF9u), K::Integer,
         V::Integer(-7)},
        {"non-number text as Integer", V::String("12a"), K::Integer, false, std::nullopt, K::Integer,
         V::Integer(-1)},
        {"plus sign is no number", V::String("+5"), K::Integer, false, std::nullopt, K::Integer, V::Integer(-1)},
        {"boolean true", V::Boolean(true), K::Boolean, true, RawValue::Dword(1), K::Boolean, V::Boolean(true)},
        {"boolean false", V::Boolean(false), K::Boolean, true, RawValue::Dword(0), K::Boolean, V::Boolean(false)},
        {"DWORD 5 as Boolean", V::Integer(5), K::Integer, true, RawValue::Dword(5), K::Boolean, V::Boolean(true)},
        {"boolean as Integer", V::Boolean(true), K::Boolean, true, RawValue::Dword(1), K::Integer, V::Integer(1)},
        {"boolean with the String kind", V::Boolean(true), K::String, true, RawValue::Text("1"), K::String,
         V::String("1")},
        {"DWORD read as String", V::Integer(3), K::Integer, true, RawValue::Dword(3), K::String, V::String("")},
        {"text", V::String("Quorvex"), K::String, true, RawValue::Text("Quorvex"), K::String, V::String("Quorvex")},
        {"empty text", V::String(""), K::String, true, RawValue::Text(""), K::String, V::String("")},
        {"8-bit text", V::String("caf\xE9"), K::String, true, RawValue::Text("caf\xE9"), K::String,
         V::String("caf\xE9")},
        {"date-time", V::DateTime(36526.5), K::DateTime, true, DoubleBytes(36526.5), K::DateTime,
         V::DateTime(36526.5)},
        {"binary read as Integer", V::DateTime(1.0), K::DateTime, true, DoubleBytes(1.0), K::Integer,
         V::Integer(-1)},
        {"binary read as String", V::DateTime(1.0), K::DateTime, true, DoubleBytes(1.0), K::String, V::String("")},
    };
    for (RegRoot root : kRoots) {
        const std::string path = Scratch("Typed");
        int index = 0;
        for (const auto& c : cases) {
            const std::string name = "v" + std::to_string(index++);
            SCOPED_TRACE(c.what);
            EXPECT_EQ(SetRegistryValue(root, path, true, c.written, name, c.writeKind), c.writes);
            EXPECT_EQ(StoredValue(Backend(), root, path, name), c.stored);
            EXPECT_EQ(GetRegistryValue(root, path, c.readKind, name), c.read);
            RegistryValue into = RegistryValue::String("stale");
            GetRegistryValue(root, path, c.readKind, name, into);
            EXPECT_EQ(into, c.read);
        }
    }
}

TEST_P(BackendConformance, MissingValuesReadAsTheKindsMissingValue)
{
    const std::pair<RegValueKind, RegistryValue> cases[] = {
        {RegValueKind::Integer, RegistryValue::Integer(-1)},
        {RegValueKind::Boolean, RegistryValue::Boolean(false)},
        {RegValueKind::String, RegistryValue::String("")},
        {RegValueKind::DateTime, RegistryValue::DateTime(0.0)},
    };
    ASSERT_TRUE(RegCreateKeyIfMissing(RegRoot::LocalMachine, Scratch("Present")));
    for (const auto& [kind, missing] : cases) {
        EXPECT_EQ(GetRegistryValue(RegRoot::LocalMachine, Scratch("Absent"), kind, "v"), missing);
        EXPECT_EQ(GetRegistryValue(RegRoot::LocalMachine, Scratch("Present"), kind, "v"), missing);
    }
    EXPECT_FALSE(RegKeyExists(RegRoot::LocalMachine, Scratch("Absent")));
}

TEST_P(BackendConformance, CreateFlagDecidesWhetherAMissingKeyIsMade)
{
    const RegistryValue one = RegistryValue::Integer(1);
    EXPECT_FALSE(SetRegistryValue(RegRoot::LocalMachine, Scratch("A\\B"), false, one, "v", RegValueKind::Integer));
    EXPECT_FALSE(RegKeyExists(RegRoot::LocalMachine, kScratch));

    EXPECT_TRUE(SetRegistryValue(RegRoot::LocalMachine, Scratch("A\\B"), true, one, "v", RegValueKind::Integer));
    EXPECT_TRUE(RegKeyExists(RegRoot::LocalMachine, Scratch("A")));
    EXPECT_EQ(GetRegistryValue(RegRoot::LocalMachine, Scratch("A\\B"), RegValueKind::Integer, "v"), one);

    const RegistryValue two = RegistryValue::Integer(2);
    EXPECT_TRUE(SetRegistryValue(RegRoot::LocalMachine, Scratch("A\\B"), false, two, "v", RegValueKind::Integer));
    EXPECT_EQ(GetRegistryValue(RegRoot::LocalMachine, Scratch("A\\B"), RegValueKind::Integer, "v"), two);
}

TEST_P(BackendConformance, LeadingBackslashReachesTheSameKey)
{
    const std::string plain = Scratch("Slash");
    const std::string slashed = "\\" + plain;
    const RegistryValue text = RegistryValue::String("x");
    for (RegRoot root : kRoots) {
        ASSERT_TRUE(SetRegistryValue(root, slashed, true, text, "v", RegValueKind::String));
        EXPECT_EQ(GetRegistryValue(root, plain, RegValueKind::String, "v"), text);
        EXPECT_EQ(GetRegistryValue(root, slashed, RegValueKind::String, "v"), text);
        EXPECT_TRUE(RegKeyExists(root, slashed));
        EXPECT_TRUE(RegValueExists(root, slashed, "v"));
        EXPECT_FALSE(RegCreateKeyIfMissing(root, slashed));
        EXPECT_TRUE(RegDeleteValueIfPresent(root, slashed, "v"));
        EXPECT_TRUE(RegDeleteKeyIfPresent(root, slashed));
        EXPECT_FALSE(RegKeyExists(root, plain));
    }
}

TEST_P(BackendConformance, ExistenceOfKeysAndValues)
{
    ASSERT_TRUE(SetRegistryValue(RegRoot::CurrentUser, Scratch("K"), true, RegistryValue::Integer(0), "v",
                                 RegValueKind::Integer));
    ASSERT_TRUE(SetRegistryValue(RegRoot::CurrentUser, Scratch("K"), true, RegistryValue::String("d"), "",
                                 RegValueKind::String));
    EXPECT_TRUE(RegKeyExists(RegRoot::CurrentUser, Scratch("K")));
    EXPECT_FALSE(RegKeyExists(RegRoot::CurrentUser, Scratch("K\\Missing")));
    EXPECT_FALSE(RegKeyExists(RegRoot::LocalMachine, Scratch("K")));
    EXPECT_TRUE(RegValueExists(RegRoot::CurrentUser, Scratch("K"), "v"));
    EXPECT_TRUE(RegValueExists(RegRoot::CurrentUser, Scratch("K"), ""));
    EXPECT_FALSE(RegValueExists(RegRoot::CurrentUser, Scratch("K"), "w"));
    EXPECT_FALSE(RegValueExists(RegRoot::CurrentUser, Scratch("Missing"), "v"));
    EXPECT_FALSE(RegKeyExists(RegRoot::CurrentUser, Scratch("Missing")));
}

TEST_P(BackendConformance, CreateKeyIfMissingCreatesOnlyOnce)
{
    EXPECT_TRUE(RegCreateKeyIfMissing(RegRoot::LocalMachine, Scratch("New\\Deeper")));
    EXPECT_TRUE(RegKeyExists(RegRoot::LocalMachine, Scratch("New\\Deeper")));
    ASSERT_TRUE(SetRegistryValue(RegRoot::LocalMachine, Scratch("New"), false, RegistryValue::Integer(9), "v",
                                 RegValueKind::Integer));
    EXPECT_FALSE(RegCreateKeyIfMissing(RegRoot::LocalMachine, Scratch("New")));
    EXPECT_EQ(GetRegistryValue(RegRoot::LocalMachine, Scratch("New"), RegValueKind::Integer, "v"),
              RegistryValue::Integer(9));
    EXPECT_TRUE(RegKeyExists(RegRoot::LocalMachine, Scratch("New\\Deeper")));
}

TEST_P(BackendConformance, DeleteKeyRemovesEverythingBelow)
{
    for (const char* path : {"Tree\\A\\A1", "Tree\\A\\A2\\Deep", "Tree\\B"})
        ASSERT_TRUE(SetRegistryValue(RegRoot::LocalMachine, Scratch(path), true, RegistryValue::Integer(1), "v",
                                     RegValueKind::Integer));
    ASSERT_TRUE(SetRegistryValue(RegRoot::LocalMachine, Scratch("Tree"), false, RegistryValue::Integer(1), "v",
                                 RegValueKind::Integer));
    ASSERT_TRUE(RegCreateKeyIfMissing(RegRoot::LocalMachine, Scratch("TreeSibling")));

    EXPECT_TRUE(RegDeleteKeyIfPresent(RegRoot::LocalMachine, Scratch("Tree")));
    EXPECT_FALSE(RegKeyExists(RegRoot::LocalMachine, Scratch("Tree")));
    EXPECT_TRUE(RegKeyExists(RegRoot::LocalMachine, Scratch("TreeSibling")));
    EXPECT_FALSE(RegDeleteKeyIfPresent(RegRoot::LocalMachine, Scratch("Tree")));
    EXPECT_FALSE(RegDeleteKeyIfPresent(RegRoot::LocalMachine, Scratch("Never")));
}

TEST_P(BackendConformance, DeleteValueOnlyWhereKeyAndValueExist)
{
    EXPECT_FALSE(RegDeleteValueIfPresent(RegRoot::LocalMachine, Scratch("NoKey"), "v"));
    EXPECT_FALSE(RegKeyExists(RegRoot::LocalMachine, Scratch("NoKey")));
    EXPECT_FALSE(RegKeyExists(RegRoot::LocalMachine, kScratch));

    ASSERT_TRUE(SetRegistryValue(RegRoot::LocalMachine, Scratch("K"), true, RegistryValue::Integer(1), "v",
                                 RegValueKind::Integer));
    EXPECT_FALSE(RegDeleteValueIfPresent(RegRoot::LocalMachine, Scratch("K"), "absent"));
    EXPECT_TRUE(RegDeleteValueIfPresent(RegRoot::LocalMachine, Scratch("K"), "v"));
    EXPECT_FALSE(RegValueExists(RegRoot::LocalMachine, Scratch("K"), "v"));
    EXPECT_FALSE(RegDeleteValueIfPresent(RegRoot::LocalMachine, Scratch("K"), "v"));
    EXPECT_TRUE(RegKeyExists(RegRoot::LocalMachine, Scratch("K")));
}

TEST_P(BackendConformance, NamesIgnoreLetterCaseAndKeepTheFirstCase)
{
    ASSERT_TRUE(SetRegistryValue(RegRoot::LocalMachine, Scratch("MixedKey"), true, RegistryValue::Integer(1),
                                 "MixedValue", RegValueKind::Integer));
    ASSERT_TRUE(SetRegistryValue(RegRoot::LocalMachine, Scratch("MIXEDKEY"), false, RegistryValue::Integer(2),
                                 "mixedvalue", RegValueKind::Integer));
    EXPECT_EQ(GetRegistryValue(RegRoot::LocalMachine, Scratch("mixedkey"), RegValueKind::Integer, "MIXEDVALUE"),
              RegistryValue::Integer(2));
    auto scratch = Backend().OpenKey(RegRoot::LocalMachine, kScratch, KeyAccess::Read);
    ASSERT_NE(scratch, nullptr);
    EXPECT_EQ(scratch->SubkeyNames(), std::vector<std::string>{"MixedKey"});
    auto key = Backend().OpenKey(RegRoot::LocalMachine, Scratch("MixedKey"), KeyAccess::Read);
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->ValueNames(), std::vector<std::string>{"MixedValue"});
}

std::vector<std::string> Sorted(std::vector<std::string> names)
{
    std::sort(names.begin(), names.end());
    return names;
}

// The order is the registry's own (Wine sorts, Windows and the in-memory registry keep insertion order).
TEST_P(BackendConformance, ListsEveryValueAndSubkeyName)
{
    auto key = Backend().OpenKey(RegRoot::CurrentUser, Scratch("List"), KeyAccess::ReadWrite, true);
    ASSERT_NE(key, nullptr);
    EXPECT_TRUE(key->SubkeyNames().empty());
    EXPECT_TRUE(key->ValueNames().empty());
    const std::vector<std::string> values = {"zeta", "alpha", "", "Mid"};
    for (const auto& name : values)
        ASSERT_TRUE(key->WriteValue(name, RawValue::Dword(1)));
    const std::vector<std::string> subkeys = {"Yankee", "bravo", "Xray"};
    for (const auto& name : subkeys)
        ASSERT_TRUE(RegCreateKeyIfMissing(RegRoot::CurrentUser, Scratch("List\\" + name)));
    EXPECT_EQ(Sorted(key->ValueNames()), Sorted(values));
    EXPECT_EQ(Sorted(key->SubkeyNames()), Sorted(subkeys));
}

TEST_P(BackendConformance, RawDataKeepsTypeAndBytes)
{
    std::vector<uint8_t> big(100000);
    for (size_t i = 0; i < big.size(); ++i)
        big[i] = static_cast<uint8_t>(i * 31 + 7);
    const std::pair<const char*, RawValue> cases[] = {
        {"dword", RawValue::Dword(0xDEADBEEF)},
        {"binary", RawValue::Binary({0, 1, 0xFF})},
        {"empty binary", RawValue::Binary({})},
        {"big binary", RawValue::Binary(big)},
        {"expand string", RawValue::Text("%SystemRoot%\\x", RegType::ExpandSz)},
        {"multi string", Raw(RegType::MultiSz, {'a', 0, 'b', 'c', 0, 0})},
        {"long text", RawValue::Text(std::string(10000, 'w'))},
    };
    auto key = Backend().OpenKey(RegRoot::LocalMachine, Scratch("Raw"), KeyAccess::ReadWrite, true);
    ASSERT_NE(key, nullptr);
    for (const auto& [name, value] : cases) {
        ASSERT_TRUE(key->WriteValue(name, value)) << name;
        EXPECT_EQ(key->ReadValue(name), value) << name;
        EXPECT_EQ(key->ValueType(name), value.type) << name;
    }
    EXPECT_EQ(key->ValueType("absent"), RegType::None);
    EXPECT_EQ(key->ReadString("expand string"), "%SystemRoot%\\x");
    EXPECT_EQ(key->ReadDword("binary"), std::nullopt);
    EXPECT_EQ(key->ReadBinary("dword"), std::nullopt);
}

TEST_P(BackendConformance, TextWithoutTerminatorReadsAsItsCharacters)
{
    auto key = Backend().OpenKey(RegRoot::LocalMachine, Scratch("Raw"), KeyAccess::ReadWrite, true);
    ASSERT_NE(key, nullptr);
    ASSERT_TRUE(key->WriteValue("v", Raw(RegType::Sz, {'1', '2'})));
    EXPECT_EQ(key->ReadString("v"), "12");
    EXPECT_EQ(GetRegistryValue(RegRoot::LocalMachine, Scratch("Raw"), RegValueKind::String, "v"),
              RegistryValue::String("12"));
}

TEST_P(BackendConformance, ReadOnlyHandleRefusesWrites)
{
    ASSERT_TRUE(SetRegistryValue(RegRoot::LocalMachine, Scratch("K"), true, RegistryValue::Integer(1), "v",
                                 RegValueKind::Integer));
    auto key = Backend().OpenKey(RegRoot::LocalMachine, Scratch("K"), KeyAccess::Read);
    ASSERT_NE(key, nullptr);
    EXPECT_FALSE(key->WriteValue("w", RawValue::Dword(2)));
    EXPECT_FALSE(key->DeleteValue("v"));
    EXPECT_EQ(key->ReadDword("v"), 1u);
    EXPECT_EQ(Backend().OpenKey(RegRoot::LocalMachine, Scratch("Missing"), KeyAccess::Read, true), nullptr);
    EXPECT_FALSE(Backend().KeyExists(RegRoot::LocalMachine, Scratch("Missing")));
}

TEST_P(BackendConformance, HandleOnADeletedKeyNoLongerWorks)
{
    auto key = Backend().OpenKey(RegRoot::CurrentUser, Scratch("Doomed"), KeyAccess::ReadWrite, true);
    ASSERT_NE(key, nullptr);
    ASSERT_TRUE(key->WriteValue("v", RawValue::Dword(1)));
    ASSERT_TRUE(RegDeleteKeyIfPresent(RegRoot::CurrentUser, Scratch("Doomed")));
    EXPECT_EQ(key->ReadValue("v"), std::nullopt);
    EXPECT_FALSE(key->WriteValue("w", RawValue::Dword(2)));
    EXPECT_FALSE(RegKeyExists(RegRoot::CurrentUser, Scratch("Doomed")));
}

TEST_P(BackendConformance, RootsCannotBeDeleted)
{
    ASSERT_TRUE(RegCreateKeyIfMissing(RegRoot::CurrentUser, kScratch));
    for (const char* path : {"", "\\"}) {
        EXPECT_FALSE(Backend().DeleteKey(RegRoot::CurrentUser, path)) << '"' << path << '"';
        EXPECT_FALSE(RegDeleteKeyIfPresent(RegRoot::CurrentUser, path)) << '"' << path << '"';
    }
    EXPECT_TRUE(RegKeyExists(RegRoot::CurrentUser, kScratch));
}

}  // namespace
}  // namespace vx
