#include <gtest/gtest.h>

#include <string>

#include "common/PlatformKind.h"
#include "common/RegistryCalls.h"
#include "engine/vxApplyProfile.h"
#include "engine/vxOriginalSettings.h"
#include "engine/vxPreferences.h"
#include "engine/vxProfileWriters.h"
#include "engine/vxRegistryKeys.h"
#include "engine/vxTcpipBindings.h"
#include "tests/engine/FixtureRegistry.h"

namespace vx {
namespace {

constexpr RegRoot LM = RegRoot::LocalMachine;

class ProfileWriters : public ::testing::Test {
protected:
    MemoryKey& Key(std::string_view path) { return registry_.Registry().Create(LM, path); }
    std::optional<RawValue> Value(std::string_view path, std::string_view name)
    {
        auto key = registry_.Registry().Find(LM, path);
        if (!key || !key->FindValue(name))
            return std::nullopt;
        return key->FindValue(name)->value;
    }
    int32_t JournalCount()
    {
        return GetRegistryValue(LM, StoreKey, RegValueKind::Integer, CounterValue).AsInteger();
    }
    void AddBinding(int digit, std::string_view desc)
    {
        Key(NetTransBindingKey(digit)).SetValue(DriverDescValue, RawValue::Text(desc));
    }
    std::string AddInterface(const std::string& name)
    {
        Key(std::string(InterfacesKey) + "\\" + name);
        return std::string(InterfaceKeyPrefix) + name;
    }

    test::FixtureRegistry registry_;
};

TEST_F(ProfileWriters, NinetyEightMtuGoesIntoEveryTcpIpBindingAsText)
{
    ScopedPlatformKind kind(PlatformKind::Windows98);
    AddBinding(1, "TCP/IP");
    AddBinding(2, "TCP/IP -> Dial-Up Adapter");
    AddBinding(4, "TCP/IP");
    EXPECT_TRUE(WriteMtu(false, 1500));
    for (int digit : {1, 4}) {
        EXPECT_EQ(Value(NetTransBindingKey(digit), "MaxMTU"), RawValue::Text("1500"));
        EXPECT_EQ(Value(NetTransBindingKey(digit), "IPMTU"), RawValue::Text("1500"));
    }
    EXPECT_FALSE(Value(NetTransBindingKey(2), "MaxMTU"));
    EXPECT_EQ(JournalCount(), 4);
}

TEST_F(ProfileWriters, NinetyEightMtuLeftToTheSystemDeletesThenWritesTheMarker)
{
    ScopedPlatformKind kind(PlatformKind::Windows98);
    Key(MstcpKey);
    for (int digit : {0, 3}) {
        AddBinding(digit, "TCP/IP");
        Key(NetTransBindingKey(digit)).SetValue("MaxMTU", RawValue::Text("1500"));
    }
    Key(NetTransBindingKey(3)).SetValue("IPMTU", RawValue::Text("1500"));

    ApplyStoredProfile();
    for (int digit : {0, 3}) {
        EXPECT_FALSE(Value(NetTransBindingKey(digit), "MaxMTU"));
        EXPECT_FALSE(Value(NetTransBindingKey(digit), "IPMTU"));
    }
    EXPECT_EQ(GetMtuPref(), 6666);

    ApplyStoredProfile();
    for (int digit : {0, 3})
        for (const char* name : {"MaxMTU", "IPMTU"})
            EXPECT_EQ(Value(NetTransBindingKey(digit), name), RawValue::Text("6666"));

    // The marker preference is journalled once and goes away with the rest.
    RestoreAllSettings();
    EXPECT_EQ(GetMtuPref(), -1);
    EXPECT_EQ(Value(NetTransBindingKey(3), "IPMTU"), RawValue::Text("1500"));
    EXPECT_FALSE(Value(NetTransBindingKey(0), "IPMTU"));
}

TEST_F(ProfileWriters, NtMtuGoesIntoEachInterfaceOnlyOn2000AndXp)
{
    struct Case {
        PlatformKind kind;
        bool written;
    };
    const Case cases[] = {{PlatformKind::WindowsXP, true}, {PlatformKind::Windows2000, true},
                          {PlatformKind::WindowsNT, false}, {PlatformKind::Unknown, false}};
    for (const Case& c : cases) {
        registry_.Registry().Clear();
        ScopedPlatformKind kind(c.kind);
        std::vector<std::string> interfaces{AddInterface("{A}"), AddInterface("{B}"), AddInterface("{C}")};
        ApplyStoredProfile();  // "mtu" absent: the default number
        for (const std::string& path : interfaces) {
            auto expected = c.written ? std::optional(RawValue::Dword(576)) : std::nullopt;
            EXPECT_EQ(Value(path, "MaxMTU"), expected) << PlatformKindName(c.kind) << path;
        }
        if (c.written) {
            EXPECT_TRUE(RegKeySaved(LM, interfaces[0], "MaxMTU")) << "journalled with its leading backslash";
        }
    }
}

TEST_F(ProfileWriters, TcpOptionsFollowTheSackPreference)
{
    ScopedPlatformKind kind(PlatformKind::WindowsXP);
    Key(TcpipParametersKey);
    SetSackPref(0);
    EXPECT_TRUE(RemoveTcpOptions());
    EXPECT_EQ(JournalCount(), -1) << "nothing to delete, nothing journalled";

    EXPECT_TRUE(EnableTcpOptions());
    for (const char* name : {"Tcp1323Opts", "SackOpts", "BSDUrgent"})
        EXPECT_EQ(Value(TcpipParametersKey, name), RawValue::Dword(1)) << name;
    EXPECT_TRUE(RemoveTcpOptions());
    for (const char* name : {"Tcp1323Opts", "SackOpts", "BSDUrgent"})
        EXPECT_FALSE(Value(TcpipParametersKey, name)) << name;
}

TEST_F(ProfileWriters, CreateOffWritersNeedTheFamilysParameterKey)
{
    ScopedPlatformKind kind(PlatformKind::WindowsXP);
    EXPECT_FALSE(WriteDefaultTtl(64));
    EXPECT_FALSE(WriteReceiveWindow(8760));
    EXPECT_FALSE(WriteSessionKeepAlive(1));
    EXPECT_TRUE(EnableTcpOptions());
    EXPECT_FALSE(RegKeyExists(LM, TcpipParametersKey));
    EXPECT_FALSE(RegKeyExists(LM, NetbtParametersKey));
    // The PMTU values are written with create on.
    EXPECT_TRUE(WritePmtuDiscovery(1));
    EXPECT_EQ(Value(TcpipParametersKey, "EnablePMTUDiscovery"), RawValue::Dword(1));
}

TEST_F(ProfileWriters, NdiCacheSizeIsWrittenOnlyWhereItsKeyExists)
{
    ScopedPlatformKind kind(PlatformKind::Windows98);
    EXPECT_FALSE(WriteNdiCacheSize(false, "32"));
    EXPECT_FALSE(RegKeyExists(LM, NdiCacheSizeKey));
    Key(NdiCacheSizeKey);
    const std::tuple<bool, const char*, const char*> cases[] = {
        {false, "32", "32"}, {true, "32", "6666"}, {false, "16", "16"}};
    for (const auto& [useDefault, text, expected] : cases) {
        EXPECT_TRUE(WriteNdiCacheSize(useDefault, text));
        EXPECT_EQ(Value(NdiCacheSizeKey, "default"), RawValue::Text(expected));
    }
}

// The values a stored profile puts into an MSTCP key, and what absent
// preferences turn into.
TEST_F(ProfileWriters, ApplyCopiesEachPreferenceIntoItsLayoutValue)
{
    const RawValue nine8Text[] = {RawValue::Text("1"), RawValue::Text("0"), RawValue::Text("3600000"),
                                  RawValue::Text("32"), RawValue::Text("0")};
    const RawValue ntDword[] = {RawValue::Dword(1), RawValue::Dword(0), RawValue::Dword(3600000),
                                RawValue::Dword(128), RawValue::Dword(0)};
    const std::string_view names9x[] = {"PMTUDiscovery", "PMTUBlackHoleDetect", "SessionKeepAlive", "DefaultTTL",
                                        "TcpMaxDupAcks"};
    const std::string_view namesNT[] = {"EnablePMTUDiscovery", "EnablePMTUBHDetect", "SessionKeepAlive",
                                        "DefaultTTL", "TcpMaxDupAcks"};
    for (PlatformKind platform : {PlatformKind::Windows98, PlatformKind::WindowsXP}) {
        registry_.Registry().Clear();
        ScopedPlatformKind kind(platform);
        bool is9x = platform == PlatformKind::Windows98;
        Key(MstcpKey).SetValue("DefaultRcvWindow", RawValue::Text("8192"));
        Key(TcpipParametersKey).SetValue("TCPWindowSize", RawValue::Dword(8760));
        Key(NetbtParametersKey);
        ApplyStoredProfile();
        for (size_t i = 0; i < 5; ++i) {
            std::string_view name = is9x ? names9x[i] : namesNT[i];
            std::string_view key = is9x ? MstcpKey : (i == 2 ? NetbtParametersKey : TcpipParametersKey);
            EXPECT_EQ(Value(key, name), is9x ? nine8Text[i] : ntDword[i]) << name;
        }
        // No "rwin": the receive window stays and is not journalled.
        EXPECT_EQ(Value(MstcpKey, "DefaultRcvWindow"), RawValue::Text("8192"));
        EXPECT_EQ(Value(TcpipParametersKey, "TCPWindowSize"), RawValue::Dword(8760));
        EXPECT_FALSE(RegKeySaved(LM, is9x ? MstcpKey : TcpipParametersKey,
                                 is9x ? "DefaultRcvWindow" : "TCPWindowSize"));
        EXPECT_EQ(GetInitText(), "1");

        SetRwinPref(149600);
        SetAcksPref(2);
        ApplyStoredProfile();
        EXPECT_EQ(Value(is9x ? MstcpKey : TcpipParametersKey, is9x ? "DefaultRcvWindow" : "TCPWindowSize"),
                  is9x ? RawValue::Text("149600") : RawValue::Dword(149600));
        EXPECT_EQ(Value(is9x ? MstcpKey : TcpipParametersKey, "TcpMaxDupAcks"),
                  is9x ? RawValue::Text("2") : RawValue::Dword(2));
    }
}

}  // namespace
}  // namespace vx
