// How often one apply opens registry keys on a machine with many interfaces:
// each journalled write must cost a few opens, not a walk of the whole journal.
#include <gtest/gtest.h>

#include <string>

#include "common/PlatformKind.h"
#include "engine/vxApplyProfile.h"
#include "engine/vxAutomaticProfile.h"
#include "engine/vxPreferences.h"
#include "engine/vxRegistryKeys.h"
#include "tests/engine/CountingRegistry.h"
#include "tests/engine/FixtureRegistry.h"

namespace vx {
namespace {

TEST(ApplyOpenCount, FirstApplyOnAnXpMachineWithSixteenInterfacesStaysBounded)
{
    test::FixtureRegistry fixture("winxp.reg");
    for (int i = 4; i < 16; ++i)
        fixture.Registry()
            .Create(RegRoot::LocalMachine, std::string(InterfacesKey) + "\\{EXTRA-" + std::to_string(i) + "}")
            .SetValue("MaxMTU", RawValue::Dword(1500));
    ScopedPlatformKind kind(PlatformKind::WindowsXP);
    SetConnectPref("C");
    StoreAutomaticProfile();

    test::CountingRegistry counting(fixture.Registry());
    ScopedRegistryBackend scope(counting);
    ApplyStoredProfile();
    std::cout << "first apply: " << counting.opens << " opens, " << counting.existenceChecks
              << " existence checks\n";
    const int firstApply = counting.opens + counting.existenceChecks;
    ApplyStoredProfile();
    const int secondApply = counting.opens + counting.existenceChecks - firstApply;
    UndoAppliedProfile();
    const int restore = counting.opens + counting.existenceChecks - firstApply - secondApply;

    std::cout << "opens and existence checks: first apply " << firstApply << ", second apply " << secondApply
              << ", restore " << restore << "\n";
    EXPECT_LT(firstApply, 200);
    EXPECT_LT(secondApply, 200);
    EXPECT_LT(restore, 200);
}

}  // namespace
}  // namespace vx
