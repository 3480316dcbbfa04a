#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "common/PlatformKind.h"
#include "common/RegistryCalls.h"
#include "engine/vxPreferences.h"
#include "engine/vxRegistryKeys.h"
#include "tests/engine/FixtureRegistry.h"

namespace vx {
namespace {

constexpr RegRoot LM = RegRoot::LocalMachine;

class Preferences : public ::testing::Test {
protected:
    void Store(std::string_view name, RawValue value)
    {
        registry_.Registry().Create(LM, ProductKey).SetValue(name, std::move(value));
    }
    std::optional<RawValue> Stored(std::string_view name)
    {
        auto key = registry_.Registry().Find(LM, ProductKey);
        if (!key || !key->FindValue(name))
            return std::nullopt;
        return key->FindValue(name)->value;
    }

    test::FixtureRegistry registry_;
};

struct GetterCase {
    const char* name;
    std::optional<RawValue> stored;
    std::function<int32_t()> getter;
    int32_t expected;
};

TEST_F(Preferences, NumericGettersFallBackToTheirDefaults)
{
    ScopedPlatformKind kind(PlatformKind::Windows98);
    const GetterCase cases[] = {
        {"PMTUDiscover", std::nullopt, GetPmtuDiscoverPref, 1},
        {"PMTUDiscover", RawValue::Text("0"), GetPmtuDiscoverPref, 1},
        {"PMTUDiscover", RawValue::Dword(0), GetPmtuDiscoverPref, 0},
        {"PMTUBlackHoleDetect", std::nullopt, GetPmtuBlackHoleDetectPref, 0},
        {"PMTUBlackHoleDetect", RawValue::Dword(1), GetPmtuBlackHoleDetectPref, 1},
        {"sack", std::nullopt, GetSackPref, 0},
        {"sack", RawValue::Dword(1), GetSackPref, 1},
        {"acks", std::nullopt, GetAcksPref, 0},
        {"acks", RawValue::Dword(2), GetAcksPref, 2},
        {"mtu", std::nullopt, GetMtuPref, -1},
        {"mtu", RawValue::Text("1500"), GetMtuPref, 1500},
        {"mtu", RawValue::Text("15OO"), GetMtuPref, -1},
        {"mtu", RawValue::Dword(1500), GetMtuPref, -1},
        {"ndi", std::nullopt, GetNdiPref, -1},
        {"ndi", RawValue::Text("6666"), GetNdiPref, 6666},
        {"rwin", std::nullopt, GetRwinPref, -1},
        {"rwin", RawValue::Text("149600"), GetRwinPref, 149600},
        {"ska", std::nullopt, GetSkaPref, 3600000},
        {"ska", RawValue::Text("x"), GetSkaPref, 3600000},
        {"ska", RawValue::Text("60000"), GetSkaPref, 60000},
    };
    for (const GetterCase& c : cases) {
        registry_.Registry().Create(LM, ProductKey).RemoveValue(c.name);
        if (c.stored)
            Store(c.name, *c.stored);
        EXPECT_EQ(c.getter(), c.expected) << c.name;
    }
}

TEST_F(Preferences, TtlDefaultFollowsTheLayout)
{
    const std::tuple<PlatformKind, std::optional<const char*>, int32_t> cases[] = {
        {PlatformKind::Windows98, std::nullopt, 32}, {PlatformKind::WindowsXP, std::nullopt, 128},
        {PlatformKind::Windows98, "64", 64},         {PlatformKind::WindowsXP, "64", 64},
        {PlatformKind::WindowsMe, "abc", 32},        {PlatformKind::Unknown, std::nullopt, 128},
    };
    for (const auto& [platform, stored, expected] : cases) {
        ScopedPlatformKind kind(platform);
        registry_.Registry().Create(LM, ProductKey).RemoveValue("ttl");
        if (stored)
            Store("ttl", RawValue::Text(*stored));
        EXPECT_EQ(GetTtlPref(), expected) << PlatformKindName(platform);
    }
}

TEST_F(Preferences, ConnectAndLineReadAsStored)
{
    EXPECT_EQ(GetConnectPref(), "");
    EXPECT_FALSE(GetLinePref());
    const std::pair<const char*, const char*> connects[] = {{"Modem", "-2"}, {"C", "C"}, {"modem", "modem"}};
    for (const auto& [stored, expected] : connects) {
        Store("connect", RawValue::Text(stored));
        EXPECT_EQ(GetConnectPref(), expected);
    }
    Store("connect", RawValue::Dword(1));
    EXPECT_EQ(GetConnectPref(), "");
    Store("line", RawValue::Dword(1));
    EXPECT_TRUE(GetLinePref());
}

TEST_F(Preferences, SettersWriteTheirValueAndType)
{
    ScopedPlatformKind kind(PlatformKind::WindowsMe);
    struct SetterCase {
        const char* name;
        std::function<bool()> set;
        RawValue expected;
    };
    const SetterCase cases[] = {
        {"connect", [] { return SetConnectPref("D2"); }, RawValue::Text("D2")},
        {"PMTUDiscover", [] { return SetPmtuDiscoverPref(0); }, RawValue::Dword(0)},
        {"PMTUDiscover", SetPmtuDiscoverPrefDefault, RawValue::Dword(1)},
        {"PMTUBlackHoleDetect", [] { return SetPmtuBlackHoleDetectPref(1); }, RawValue::Dword(1)},
        {"PMTUBlackHoleDetect", SetPmtuBlackHoleDetectPrefDefault, RawValue::Dword(0)},
        {"sack", [] { return SetSackPref(0); }, RawValue::Dword(0)},
        {"sack", SetSackPrefDefault, RawValue::Dword(1)},
        {"acks", [] { return SetAcksPref(3); }, RawValue::Dword(3)},
        {"acks", SetAcksPrefDefault, RawValue::Dword(2)},
        {"mtu", [] { return SetMtuPref(false, 1492); }, RawValue::Text("1492")},
        {"mtu", [] { return SetMtuPref(true, 1492); }, RawValue::Text("576")},
        {"ndi", [] { return SetNdiPref(false, "32"); }, RawValue::Text("32")},
        {"ndi", [] { return SetNdiPref(true, "32"); }, RawValue::Text("6666")},
        {"rwin", [] { return SetRwinPref(149600); }, RawValue::Text("149600")},
        {"rwin", SetRwinPrefDefault, RawValue::Text("8192")},
        {"ska", [] { return SetSkaPref(60000); }, RawValue::Text("60000")},
        {"ttl", [] { return SetTtlPref(64); }, RawValue::Text("64")},
        {"ttl", SetTtlPrefDefault, RawValue::Text("32")},
        {"init", MarkProfileApplied, RawValue::Text("1")},
    };
    for (const SetterCase& c : cases) {
        EXPECT_TRUE(c.set()) << c.name;
        EXPECT_EQ(Stored(c.name), c.expected) << c.name;
    }
    ScopedPlatformKind nt(PlatformKind::Windows2000);
    SetRwinPrefDefault();
    EXPECT_EQ(Stored("rwin"), RawValue::Text("8760"));
    SetTtlPrefDefault();
    EXPECT_EQ(Stored("ttl"), RawValue::Text("128"));
}

TEST_F(Preferences, LineIsNotWrittenBeforeTheProductKeyExists)
{
    EXPECT_FALSE(SetLinePref(true));
    EXPECT_FALSE(RegKeyExists(LM, ProductKey));
    registry_.Registry().Create(LM, ProductKey);
    EXPECT_TRUE(SetLinePref(true));
    EXPECT_EQ(Stored("line"), RawValue::Dword(1));
}

TEST_F(Preferences, SettersFailWithoutWriteAccess)
{
    registry_.Registry().SetReadOnly(true);
    EXPECT_FALSE(SetConnectPref("C"));
    EXPECT_FALSE(SetMtuPref(false, 1500));
    EXPECT_EQ(GetMtuPref(), -1);
}

TEST_F(Preferences, InitStateTellsAppliedAndReset)
{
    const std::tuple<std::optional<const char*>, bool, bool> cases[] = {
        {std::nullopt, false, false}, {"1", true, false}, {"yes", false, false}, {"okay", true, true}};
    for (const auto& [stored, state, okay] : cases) {
        initOkay = false;
        registry_.Registry().Create(LM, ProductKey).RemoveValue("init");
        if (stored)
            Store("init", RawValue::Text(*stored));
        EXPECT_EQ(ReadInitState(), state) << stored.value_or("absent");
        EXPECT_EQ(initOkay, okay) << stored.value_or("absent");
    }
    Store("init", RawValue::Text("1"));
    ReadInitState();
    EXPECT_TRUE(initOkay) << "once set the flag stays";
    initOkay = false;
}

TEST_F(Preferences, ResetRemovesTheProfileAndAutostartButKeepsTheRest)
{
    registry_.Registry().Create(LM, AutostartKey).SetValue("Velocitrex", RawValue::Text("C:\\VX\\velocitrex.exe /S"));
    registry_.Registry().Create(LM, AutostartKey).SetValue("Other", RawValue::Text("other.exe"));
    for (const char* name : {"PMTUDiscover", "PMTUBlackHoleDetect", "sack", "acks", "line", "Orig_ttl_TF"})
        Store(name, RawValue::Dword(1));
    for (const char* name : {"installdir", "connect", "mtu", "ndi", "rwin", "ska", "ttl", "init", "PartnerID"})
        Store(name, RawValue::Text("9"));
    registry_.Registry().Create(LM, StoreKey).SetValue("Counter", RawValue::Dword(0));

    EXPECT_TRUE(ResetPreferences());

    auto product = registry_.Registry().Find(LM, ProductKey);
    std::vector<std::string> names;
    for (const auto& value : product->values)
        names.push_back(value.name);
    EXPECT_EQ(names, (std::vector<std::string>{"sack", "acks", "Orig_ttl_TF", "installdir", "connect", "init",
                                               "PartnerID"}));
    EXPECT_EQ(Stored("connect"), RawValue::Text("Modem"));
    EXPECT_EQ(Stored("init"), RawValue::Text("okay"));
    EXPECT_TRUE(RegKeyExists(LM, StoreKey));
    EXPECT_FALSE(RegValueExists(LM, AutostartKey, "Velocitrex"));
    EXPECT_TRUE(RegValueExists(LM, AutostartKey, "Other"));
}

TEST_F(Preferences, ResetOnAnEmptyProductKeyStillWritesConnectAndInit)
{
    EXPECT_TRUE(ResetPreferences());
    EXPECT_EQ(Stored("connect"), RawValue::Text("Modem"));
    EXPECT_EQ(Stored("init"), RawValue::Text("okay"));
    EXPECT_EQ(registry_.Registry().Find(LM, ProductKey)->values.size(), 2u);
}

}  // namespace
}  // namespace vx
