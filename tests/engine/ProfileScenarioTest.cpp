// A profile applied to a real machine's registry, applied again, and undone.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/PlatformKind.h"
#include "engine/vxApplyProfile.h"
#include "engine/vxAutomaticProfile.h"
#include "engine/vxJournalListing.h"
#include "engine/vxPreferences.h"
#include "engine/vxRegistryKeys.h"
#include "tests/engine/FixtureRegistry.h"
#include "tests/engine/RegistrySnapshot.h"

namespace vx {
namespace {

constexpr const char* kMstcp = "System\\CurrentControlSet\\Services\\VxD\\MSTCP";
constexpr const char* kTcpip = "System\\CurrentControlSet\\Services\\TCPIP\\Parameters";
constexpr const char* kNetbt = "System\\CurrentControlSet\\Services\\Netbt\\Parameters";
constexpr const char* kNetTrans = "System\\CurrentControlSet\\Services\\Class\\NetTrans\\000";
constexpr const char* kNdi = "\\System\\CurrentControlSet\\Services\\VxD\\NWLink\\Ndi\\params\\cachesize";
constexpr const char* kInterfaces = "\\System\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces\\";

struct Expected {
    std::string key, name;
    RawValue value;
};

struct Scenario {
    const char* fixture;
    PlatformKind kind;
    std::vector<Expected> afterApply;
    std::vector<std::string> journal;  // FormatJournalRecord lines
};

std::string Record(int n, const std::string& flag, const std::string& key, const std::string& name,
                   const std::string& type, const std::string& data)
{
    return std::to_string(n) + "\t" + flag + "\tHKEY_LOCAL_MACHINE\t" + key + "\t" + name + "\t" + type + "\t" + data;
}

Scenario Windows98Cable()
{
    auto text = [](const char* t) { return RawValue::Text(t); };
    std::string b0 = std::string(kNetTrans) + "0", b2 = std::string(kNetTrans) + "2", b4 = std::string(kNetTrans) + "4";
    return {"win98.reg",
            PlatformKind::Windows98,
            {{kMstcp, "PMTUDiscovery", text("1")},       {kMstcp, "PMTUBlackHoleDetect", text("0")},
             {kNdi, "default", text("32")},              {kMstcp, "DefaultRcvWindow", text("149600")},
             {kMstcp, "SessionKeepAlive", text("3600000")}, {kMstcp, "DefaultTTL", text("64")},
             {kMstcp, "TcpMaxDupAcks", text("2")},       {kMstcp, "Tcp1323Opts", text("1")},
             {kMstcp, "SackOpts", text("1")},            {kMstcp, "BSDUrgent", text("1")},
             {b0, "MaxMTU", text("1500")},               {b0, "IPMTU", text("1500")},
             {b2, "MaxMTU", text("1500")},               {b2, "IPMTU", text("1500")},
             {b4, "MaxMTU", text("1500")},               {b4, "IPMTU", text("1500")},
             {std::string(kNetTrans) + "1", "MaxMTU", text("1400")},
             {std::string(kNetTrans) + "3", "MaxMTU", text("576")},
             {"System\\CurrentControlSet\\Services\\Class\\NetTrans\\0010", "MaxMTU", text("1492")}},
            {Record(1, "1", kMstcp, "PMTUDiscovery", "String", "1"),
             Record(2, "1", kMstcp, "PMTUBlackHoleDetect", "String", "0"),
             Record(3, "1", kNdi, "default", "String", "32"),
             Record(4, "1", kMstcp, "DefaultRcvWindow", "String", "65535"),
             Record(5, "1", kMstcp, "SessionKeepAlive", "Integer", "1800000"),
             Record(6, "1", kMstcp, "DefaultTTL", "String", "64"),
             Record(7, "1", kMstcp, "TcpMaxDupAcks", "Integer", "3"),
             Record(8, "1", kMstcp, "Tcp1323Opts", "String", "1"),
             Record(9, "1", kMstcp, "SackOpts", "String", "1"),
             Record(10, "1", kMstcp, "BSDUrgent", "String", "1"),
             Record(11, "0", b0, "MaxMTU", "", ""),
             Record(12, "1", b0, "IPMTU", "String", "1500"),
             Record(13, "1", b2, "MaxMTU", "String", "1500"),
             Record(14, "1", b2, "IPMTU", "String", "1500"),
             Record(15, "1", b4, "MaxMTU", "String", "576"),
             Record(16, "1", b4, "IPMTU", "String", "576")}};
}

Scenario WindowsXpCable()
{
    auto dword = [](uint32_t n) { return RawValue::Dword(n); };
    const std::string i0 = std::string(kInterfaces) + "{0B9E2C4A-6F3D-4E1B-9A57-21C8D0F4E3B6}";
    const std::string i1 = std::string(kInterfaces) + "{5F1A7D22-93C4-4B8E-A1D0-7E6B3C9F2A14}";
    const std::string i2 = std::string(kInterfaces) + "{8C3E5B71-2D9A-4F06-B4E8-5A1C7D3F9E20}";
    const std::string i3 = std::string(kInterfaces) + "{E4D2A9C6-1B7F-4C35-8E92-0F6A4B1D7C58}";
    return {"winxp.reg",
            PlatformKind::WindowsXP,
            {{kTcpip, "EnablePMTUDiscovery", dword(1)}, {kTcpip, "EnablePMTUBHDetect", dword(0)},
             {kTcpip, "TCPWindowSize", dword(149600)},  {kNetbt, "SessionKeepAlive", dword(3600000)},
             {kTcpip, "DefaultTTL", dword(64)},         {kTcpip, "TcpMaxDupAcks", dword(2)},
             {kTcpip, "Tcp1323Opts", dword(1)},         {kTcpip, "SackOpts", dword(1)},
             {kTcpip, "BSDUrgent", dword(1)},           {i0, "MaxMTU", dword(1500)},
             {i1, "MaxMTU", dword(1500)},               {i2, "MaxMTU", dword(1500)},
             {i3, "MaxMTU", dword(1500)}},
            {Record(1, "1", kTcpip, "EnablePMTUDiscovery", "Integer", "1"),
             Record(2, "1", kTcpip, "EnablePMTUBHDetect", "Integer", "0"),
             Record(3, "1", kTcpip, "TCPWindowSize", "Integer", "64240"),
             Record(4, "1", kNetbt, "SessionKeepAlive", "Integer", "1800000"),
             Record(5, "1", kTcpip, "DefaultTTL", "Integer", "64"),
             Record(6, "1", kTcpip, "TcpMaxDupAcks", "Integer", "3"),
             Record(7, "1", kTcpip, "Tcp1323Opts", "Integer", "1"),
             Record(8, "1", kTcpip, "SackOpts", "Integer", "1"),
             Record(9, "1", kTcpip, "BSDUrgent", "Integer", "1"),
             Record(10, "0", i0, "MaxMTU", "", ""),
             Record(11, "1", i1, "MaxMTU", "String", "1400"),
             Record(12, "1", i2, "MaxMTU", "Integer", "1492"),
             Record(13, "1", i3, "MaxMTU", "Integer", "1500")}};
}

std::optional<RawValue> ValueAt(MemoryRegistry& registry, const std::string& key, const std::string& name)
{
    auto found = registry.Find(RegRoot::LocalMachine, key);
    if (!found || !found->FindValue(name))
        return std::nullopt;
    return found->FindValue(name)->value;
}

std::vector<std::string> JournalLines()
{
    std::vector<std::string> lines;
    for (const JournalRecord& record : ReadJournal())
        lines.push_back(FormatJournalRecord(record));
    return lines;
}

class ProfileScenario : public ::testing::TestWithParam<Scenario (*)()> {};

TEST_P(ProfileScenario, ApplyAgainThenRestoreReturnsTheMachineExactly)
{
    const Scenario scenario = GetParam()();
    test::FixtureRegistry fixture(scenario.fixture);
    MemoryRegistry& registry = fixture.Registry();
    ScopedPlatformKind kind(scenario.kind);
    registry.Create(RegRoot::LocalMachine, "Software");  // as on every machine; the product key goes below it
    const auto original = test::TakeSnapshot(registry, "Software\\Quorvex");

    SetConnectPref("C");
    StoreAutomaticProfile();
    ApplyStoredProfile();
    for (const Expected& e : scenario.afterApply)
        EXPECT_EQ(ValueAt(registry, e.key, e.name), e.value) << e.key << " " << e.name;
    EXPECT_EQ(JournalLines(), scenario.journal);
    EXPECT_EQ(GetInitText(), "1");

    // Other choices: every value changes again, but nothing new is journalled.
    SetMtuPref(false, 1400);
    SetNdiPref(true, "");
    SetRwinPref(8192);
    SetTtlPref(128);
    SetSackPref(0);
    SetAcksPref(3);
    SetPmtuDiscoverPref(0);
    ApplyStoredProfile();
    EXPECT_EQ(JournalLines(), scenario.journal);
    EXPECT_NE(test::TakeSnapshot(registry, "Software\\Quorvex"), original);

    EXPECT_TRUE(UndoAppliedProfile());
    EXPECT_EQ(test::TakeSnapshot(registry, "Software\\Quorvex"), original)
        << test::DescribeDifferences(original, test::TakeSnapshot(registry, "Software\\Quorvex"));
    EXPECT_FALSE(registry.Find(RegRoot::LocalMachine, StoreKey));
    EXPECT_EQ(GetConnectPref(), "-2");
    EXPECT_EQ(GetInitText(), "okay");
}

INSTANTIATE_TEST_SUITE_P(Fixtures, ProfileScenario, ::testing::Values(&Windows98Cable, &WindowsXpCable),
                         [](const auto& param) { return param.index == 0 ? "Windows98" : "WindowsXP"; });

}  // namespace
}  // namespace vx
