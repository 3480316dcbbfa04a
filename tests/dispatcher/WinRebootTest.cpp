// The restart component over the recorded token and restart calls.
#include "dispatcher/WinReboot.h"

#include <gtest/gtest.h>

#include "platform/host/HostSystemRestart.h"

namespace vx::dispatcher {
namespace {

using Calls = std::vector<std::string>;

class WinRebootTest : public ::testing::Test {
protected:
    platform::HostSystemRestart system;
    platform::ScopedService<platform::SystemRestart> scoped{system};
    TWinReboot reboot;
};

TEST_F(WinRebootTest, RestartEnablesTheShutdownPrivilegeOnlyAroundTheRequest)
{
    std::vector<bool> enabledAtRequest;
    system.OnExitSession = [&](std::uint32_t, bool) {
        enabledAtRequest.push_back(system.PrivilegeEnabledNow("SeShutdownPrivilege"));
    };
    EXPECT_TRUE(reboot.RestartWindows(2));
    EXPECT_EQ(system.Calls(), (Calls{"OpenProcessToken 0x28", "LookupPrivilege SeShutdownPrivilege",
                                     "AdjustPrivilege SeShutdownPrivilege 2", "CloseToken", "ExitSession 2",
                                     "OpenProcessToken 0x28", "LookupPrivilege SeShutdownPrivilege",
                                     "AdjustPrivilege SeShutdownPrivilege 0", "CloseToken"}));
    EXPECT_EQ(enabledAtRequest, std::vector<bool>{true});
    EXPECT_FALSE(system.PrivilegeEnabledNow("SeShutdownPrivilege"));
    EXPECT_EQ(system.OpenTokens(), 0);
}

TEST_F(WinRebootTest, RequestIsMadeWithoutTokensOnWindows9x)
{
    system.Windows9x();
    EXPECT_TRUE(reboot.RestartWindows(2));
    EXPECT_EQ(system.ExitRequests(), std::vector<std::uint32_t>{2});
}

TEST_F(WinRebootTest, RefusedRequestIsReported)
{
    system.SetExitSucceeds(false);
    EXPECT_FALSE(reboot.RestartWindows(2));
    EXPECT_EQ(system.ExitRequests(), std::vector<std::uint32_t>{2});
}

TEST_F(WinRebootTest, PrivilegeOutcomes)
{
    struct Case {
        const char* what;
        bool opens, looksUp, adjusts;
        bool result;
        Calls calls;
    };
    const Case cases[] = {
        {"granted", true, true, true, true,
         {"OpenProcessToken 0x28", "LookupPrivilege SeDebugPrivilege", "AdjustPrivilege SeDebugPrivilege 2",
          "CloseToken"}},
        {"unknown name", true, false, true, false,
         {"OpenProcessToken 0x28", "LookupPrivilege SeDebugPrivilege", "CloseToken"}},
        {"adjustment refused", true, true, false, false,
         {"OpenProcessToken 0x28", "LookupPrivilege SeDebugPrivilege", "AdjustPrivilege SeDebugPrivilege 2",
          "CloseToken"}},
        {"no token", false, true, true, false, {"OpenProcessToken 0x28", "LookupPrivilege SeDebugPrivilege"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        system.ClearCalls();
        system.SetTokenOpens(c.opens);
        system.SetLookupSucceeds(c.looksUp);
        system.SetAdjustSucceeds(c.adjusts);
        EXPECT_EQ(reboot.SetProcessPrivilege("SeDebugPrivilege", true), c.result);
        EXPECT_EQ(system.Calls(), c.calls);
        EXPECT_EQ(system.OpenTokens(), 0);
    }
}

}  // namespace
}  // namespace vx::dispatcher
