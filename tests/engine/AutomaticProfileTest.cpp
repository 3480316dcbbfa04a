#include <gtest/gtest.h>

#include <string>

#include "common/PlatformKind.h"
#include "engine/vxAutomaticProfile.h"
#include "engine/vxPreferences.h"
#include "engine/vxRegistryKeys.h"
#include "tests/engine/FixtureRegistry.h"

namespace vx {
namespace {

struct StoredProfile {
    int32_t mtu, ndi, rwin, ttl;
    bool operator==(const StoredProfile&) const = default;
};

void PrintTo(const StoredProfile& p, std::ostream* out)
{
    *out << "mtu " << p.mtu << " ndi " << p.ndi << " rwin " << p.rwin << " ttl " << p.ttl;
}

StoredProfile ReadStoredProfile() { return {GetMtuPref(), GetNdiPref(), GetRwinPref(), GetTtlPref()}; }

struct ProfileCase {
    std::optional<const char*> connect;  // nullopt: not stored
    PlatformKind kind;
    const char* resolved;
    StoredProfile expected;
};

TEST(AutomaticProfile, StoresTheRowOfTheConnectionType)
{
    using enum PlatformKind;
    const ProfileCase cases[] = {
        {"M", Windows98, "M", {576, 16, 8192, 32}},
        {"M", WindowsXP, "M", {576, 16, 8760, 128}},
        {std::nullopt, WindowsMe, "M", {576, 16, 8192, 32}},
        {"Modem", Windows2000, "M", {576, 16, 8760, 128}},
        {"C", Windows98, "C", {1500, 32, 149600, 64}},
        {"C", WindowsXP, "C", {1500, 32, 149600, 64}},
        {"N", WindowsXP, "N", {1500, 32, 149600, 128}},
        {"D1", Windows98, "D1", {1500, 32, 149600, 32}},
        {"D2", WindowsXP, "D2", {1492, 32, 149600, 128}},
        {"D3", Windows95, "D3", {1400, 32, 149600, 32}},
        {"X", WindowsXP, "X", {1500, 32, 149600, 128}},
        {"m", WindowsXP, "m", {1500, 32, 149600, 128}},
    };
    for (const ProfileCase& c : cases) {
        test::FixtureRegistry registry;
        ScopedPlatformKind kind(c.kind);
        if (c.connect)
            SetConnectPref(*c.connect);
        SetSkaPref(60000);
        const std::string connectBefore = GetConnectPref();
        EXPECT_EQ(StoreAutomaticProfile(), c.resolved);
        EXPECT_EQ(ReadStoredProfile(), c.expected) << c.connect.value_or("(none)");
        EXPECT_EQ(GetPmtuDiscoverPref(), 1);
        EXPECT_EQ(GetPmtuBlackHoleDetectPref(), 0);
        EXPECT_TRUE(GetLinePref());
        EXPECT_EQ(GetSackPref(), 1);
        EXPECT_EQ(GetAcksPref(), 2);
        EXPECT_EQ(GetSkaPref(), 60000) << "the keep-alive is not part of a profile";
        EXPECT_EQ(GetConnectPref(), connectBefore) << "the stored type is left as it was";
    }
}

TEST(AutomaticProfile, TheTableListsTheWizardsSixTypesInOrder)
{
    std::string codes;
    for (const ConnectionType& type : ConnectionTypes())
        codes += std::string(type.code) + " ";
    EXPECT_EQ(codes, "M C N D1 D2 D3 ");
    EXPECT_EQ(ConnectionTypeFor("D2").caption, "DSL (recommended setting 2)");
    EXPECT_EQ(ConnectionTypeFor("unknown").code, "N");
}

}  // namespace
}  // namespace vx
