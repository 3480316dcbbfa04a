#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "common/PlatformKind.h"
#include "common/RegistryCalls.h"
#include "engine/vxParameterCatalogue.h"
#include "engine/vxRegistryKeys.h"
#include "engine/vxTcpipBindings.h"
#include "tests/engine/FixtureRegistry.h"

namespace vx {
namespace {

using test::FixtureRegistry;
using Readings = std::array<int32_t, 9>;

// In the order vxtune shows them.
Readings ReadAll()
{
    return {GetCurrentPmtuDiscovery(), GetCurrentPmtuBlackHoleDetect(), GetCurrentSackOpts(),
            GetCurrentTcpMaxDupAcks(), GetCurrentMtu(),         GetCurrentNdiCacheSize(),
            GetCurrentReceiveWindow(), GetCurrentSessionKeepAlive(), GetCurrentDefaultTtl()};
}

struct MachineCase {
    const char* fixture;  // "" for an empty registry
    PlatformKind kind;
    Readings expected;
};

TEST(ParameterCatalogue, ReadsEachMachineThroughTheLayoutOfItsFamily)
{
    using enum PlatformKind;
    const MachineCase cases[] = {
        // DWORDs where texts belong read as missing: dup-ACKs 2, keep-alive default.
        {"win98.reg", Windows98, {1, 0, 1, 2, 1500, 32, 65535, 3600000, 64}},
        {"win98.reg", Windows95, {1, 0, 1, 2, 1500, 32, 65535, 3600000, 64}},
        {"win98.reg", WindowsMe, {1, 0, 1, 2, 1500, 32, 65535, 3600000, 64}},
        // The NT layout finds nothing of a 9x machine but the NDI cache size.
        {"win98.reg", WindowsXP, {0, 0, 0, 2, -1, 32, -1, 3600000, 128}},
        {"winxp.reg", WindowsXP, {1, 0, 1, 3, 1492, 0, 64240, 1800000, 64}},
        {"winxp.reg", Windows2000, {1, 0, 1, 3, 1492, 0, 64240, 1800000, 64}},
        // No per-interface MTU on NT 4 or on versions detection does not know.
        {"winxp.reg", WindowsNT, {1, 0, 1, 3, -1, 0, 64240, 1800000, 64}},
        {"winxp.reg", Unknown, {1, 0, 1, 3, -1, 0, 64240, 1800000, 64}},
        {"winxp.reg", Windows98, {0, 0, 0, 2, -1, 0, -1, 3600000, 32}},
        {"", Windows98, {0, 0, 0, 2, -1, 0, -1, 3600000, 32}},
        {"", WindowsXP, {0, 0, 0, 2, -1, 0, -1, 3600000, 128}},
    };
    for (const MachineCase& c : cases) {
        FixtureRegistry registry(c.fixture);
        ScopedPlatformKind kind(c.kind);
        EXPECT_EQ(ReadAll(), c.expected) << c.fixture << " as " << PlatformKindName(c.kind);
    }
}

void SetText(MemoryRegistry& registry, std::string_view key, std::string_view name, std::string_view text)
{
    registry.Create(RegRoot::LocalMachine, key).SetValue(name, RawValue::Text(text));
}

TEST(ParameterCatalogue, PmtuDiscoveryOn9xIsOnOnlyForTheExactText1)
{
    struct Case {
        std::optional<RawValue> stored;
        int32_t expected;
    };
    const Case cases[] = {
        {RawValue::Text("1"), 1},  {RawValue::Text("01"), 0}, {RawValue::Text(" 1"), 0},
        {RawValue::Text("1 "), 0}, {RawValue::Text("0"), 0},  {RawValue::Text("2"), 0},
        {RawValue::Dword(1), 0},   {std::nullopt, 0},
    };
    for (const Case& c : cases) {
        FixtureRegistry registry;
        ScopedPlatformKind kind(PlatformKind::Windows98);
        MemoryKey& mstcp = registry.Registry().Create(RegRoot::LocalMachine, MstcpKey);
        if (c.stored)
            mstcp.SetValue(PmtuDiscoveryValue9x, *c.stored);
        EXPECT_EQ(GetCurrentPmtuDiscovery(), c.expected)
            << (c.stored ? TextOfStringData(c.stored->data) : "missing");
    }
}

TEST(ParameterCatalogue, NineXTextsThatAreNoNumberGiveTheReadersDefault)
{
    struct Case {
        std::string_view value;
        int32_t (*reader)();
        int32_t fallback;
    };
    const Case cases[] = {
        {PmtuBlackHoleDetectValue9x, GetCurrentPmtuBlackHoleDetect, 0},
        {SackOptsValue, GetCurrentSackOpts, 0},
        {TcpMaxDupAcksValue, GetCurrentTcpMaxDupAcks, 2},
        {ReceiveWindowValue9x, GetCurrentReceiveWindow, -1},
        {SessionKeepAliveValue, GetCurrentSessionKeepAlive, DefaultSessionKeepAlive},
        {DefaultTtlValue, GetCurrentDefaultTtl, DefaultTtl9x},
    };
    const std::optional<RawValue> unusable[] = {RawValue::Dword(7), RawValue::Text("abc"),
                                                RawValue::Text(""), RawValue::Text("0x10"),
                                                std::nullopt};
    for (const Case& c : cases) {
        for (const auto& stored : unusable) {
            FixtureRegistry registry;
            ScopedPlatformKind kind(PlatformKind::Windows98);
            MemoryKey& mstcp = registry.Registry().Create(RegRoot::LocalMachine, MstcpKey);
            if (stored)
                mstcp.SetValue(c.value, *stored);
            EXPECT_EQ(c.reader(), c.fallback) << c.value;
        }
        FixtureRegistry registry;
        ScopedPlatformKind kind(PlatformKind::Windows98);
        SetText(registry.Registry(), MstcpKey, c.value, "7");
        EXPECT_EQ(c.reader(), 7) << c.value;
    }
}

struct Binding {
    int number;  // the NetTrans subkey, 0 to 10
    const char* driverDesc;
    const char* maxMtu;  // nullptr: no MaxMTU
};

TEST(ParameterCatalogue, NineXMtuIsTheFirstExactTcpIpBindingWithANumber)
{
    struct Case {
        const char* what;
        std::vector<Binding> bindings;
        int32_t expected;
    };
    const Case cases[] = {
        {"none", {}, -1},
        {"first lacks MaxMTU", {{0, "TCP/IP", nullptr}, {1, "TCP/IP", "1500"}}, 1500},
        {"first order wins", {{2, "TCP/IP", "1400"}, {5, "TCP/IP", "1500"}}, 1400},
        {"non-numeric skipped", {{0, "TCP/IP", "big"}, {3, "TCP/IP", "1492"}}, 1492},
        {"zero is a value", {{0, "TCP/IP", "0"}, {1, "TCP/IP", "1500"}}, 0},
        {"adapter name after TCP/IP", {{0, "TCP/IP -> Dial-Up Adapter", "576"}}, -1},
        {"case matters", {{0, "tcp/ip", "576"}}, -1},
        {"other protocol", {{0, "NetBEUI", "576"}, {9, "TCP/IP", "1480"}}, 1480},
        {"binding 0010 ignored", {{10, "TCP/IP", "1500"}}, -1},
    };
    for (const Case& c : cases) {
        FixtureRegistry registry;
        ScopedPlatformKind kind(PlatformKind::Windows98);
        for (const Binding& b : c.bindings) {
            std::string key = b.number < 10 ? NetTransBindingKey(b.number)
                                            : "System\\CurrentControlSet\\Services\\Class\\NetTrans\\00" +
                                                  std::to_string(b.number);
            SetText(registry.Registry(), key, DriverDescValue, b.driverDesc);
            if (b.maxMtu)
                SetText(registry.Registry(), key, MaxMtuValue, b.maxMtu);
        }
        EXPECT_EQ(GetCurrentMtu(), c.expected) << c.what;
    }
}

struct Interface {
    const char* name;
    std::optional<RawValue> maxMtu;
};

TEST(ParameterCatalogue, NtMtuIsTheFirstPositiveInterfaceValue)
{
    struct Case {
        const char* what;
        std::vector<Interface> interfaces;
        int32_t expected;
    };
    const Case cases[] = {
        {"no interfaces", {}, -1},
        {"none holds it", {{"{A}", std::nullopt}, {"{B}", std::nullopt}}, -1},
        {"zero then nothing", {{"{A}", RawValue::Dword(0)}, {"{B}", std::nullopt}}, 0},
        {"zero then a value", {{"{A}", RawValue::Dword(0)}, {"{B}", RawValue::Dword(1500)}}, 1500},
        {"first positive wins", {{"{A}", RawValue::Dword(1400)}, {"{B}", RawValue::Dword(1500)}}, 1400},
        {"text skipped", {{"{A}", RawValue::Text("1400")}, {"{B}", RawValue::Dword(1492)}}, 1492},
        {"last non-positive", {{"{A}", RawValue::Dword(0)}, {"{B}", RawValue::Dword(0xFFFFFFFEu)}}, -2},
    };
    for (const Case& c : cases) {
        FixtureRegistry registry;
        ScopedPlatformKind kind(PlatformKind::WindowsXP);
        registry.Registry().Create(RegRoot::LocalMachine, InterfacesKey);
        for (const Interface& i : c.interfaces) {
            MemoryKey& key = registry.Registry().Create(RegRoot::LocalMachine,
                                                        std::string(InterfaceKeyPrefix) + i.name);
            if (i.maxMtu)
                key.SetValue(MaxMtuValue, *i.maxMtu);
        }
        EXPECT_EQ(GetCurrentMtu(), c.expected) << c.what;
    }
}

TEST(ParameterCatalogue, NdiCacheSizeReadsTheDefaultMarkerOnBothLayouts)
{
    for (PlatformKind platform : {PlatformKind::Windows98, PlatformKind::WindowsXP}) {
        FixtureRegistry registry;
        ScopedPlatformKind kind(platform);
        EXPECT_EQ(GetCurrentNdiCacheSize(), 0);
        ASSERT_TRUE(SetRegistryValue(RegRoot::LocalMachine, NdiCacheSizeKey, true,
                                     RegistryValue::String(std::string(NotSetMarker)),
                                     NdiCacheSizeValue, RegValueKind::String));
        EXPECT_EQ(GetCurrentNdiCacheSize(), 6666);
    }
}

TEST(TcpipBindings, SelectsTheTcpIpBindingsAndListsInterfacesInRegistryOrder)
{
    {
        FixtureRegistry registry("win98.reg");
        const std::string prefix(NetTransKeyPrefix);
        EXPECT_EQ(TcpIpBindingKeys(), (std::vector<std::string>{prefix + "0", prefix + "2", prefix + "4"}));
    }
    {
        FixtureRegistry registry("winxp.reg");
        const std::string prefix(InterfaceKeyPrefix);
        EXPECT_EQ(InterfaceKeys(), (std::vector<std::string>{
                                       prefix + "{0B9E2C4A-6F3D-4E1B-9A57-21C8D0F4E3B6}",
                                       prefix + "{5F1A7D22-93C4-4B8E-A1D0-7E6B3C9F2A14}",
                                       prefix + "{8C3E5B71-2D9A-4F06-B4E8-5A1C7D3F9E20}",
                                       prefix + "{E4D2A9C6-1B7F-4C35-8E92-0F6A4B1D7C58}",
                                   }));
    }
    FixtureRegistry empty;
    EXPECT_TRUE(InterfaceKeys().empty());
}

}  // namespace
}  // namespace vx
