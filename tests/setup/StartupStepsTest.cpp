// The steps before the first window: system folders, the administrator test and
// the distribution identifiers.
#include <gtest/gtest.h>

#include "common/RegistryCalls.h"
#include "setup/StartupSteps.h"
#include "tests/setup/InstallFixture.h"

namespace vx::setup {
namespace {

constexpr const char* kVersionKey = "Software\\Microsoft\\Windows\\CurrentVersion";

using StartupSteps = test::InstallFixture;

TEST_F(StartupSteps, ProgramFilesComeFromTheUserThenTheMachine)
{
    struct Case {
        const char* user;
        const char* machine;
        const char* expected;
    };
    const Case cases[] = {
        {"D:\\Apps", "C:\\Program Files", "D:\\Apps"},
        {"", "C:\\Program Files", "C:\\Program Files"},
        {nullptr, "C:\\Programme", "C:\\Programme"},
        {nullptr, nullptr, ""},
    };
    for (const Case& c : cases) {
        registry_.Clear();
        if (c.user)
            registry_.Create(RegRoot::CurrentUser, kVersionKey).SetValue("ProgramFilesDir", RawValue::Text(c.user));
        if (c.machine)
            registry_.Create(RegRoot::LocalMachine, kVersionKey).SetValue("ProgramFilesDir", RawValue::Text(c.machine));
        SetShellFolder("Programs", "C:\\WINDOWS\\Start Menu\\Programs");
        SetShellFolder("Desktop", "C:\\WINDOWS\\Desktop");
        ReadSystemFolders();
        EXPECT_EQ(setupState.programFilesDir, c.expected);
        EXPECT_EQ(setupState.programsDir, "C:\\WINDOWS\\Start Menu\\Programs");
        EXPECT_EQ(setupState.desktopDir, "C:\\WINDOWS\\Desktop");
    }
}

TEST_F(StartupSteps, AUserWithoutAdministratorRightsIsToldAndNothingIsWritten)
{
    registry_.SetReadOnly(true);
    EXPECT_FALSE(RunStartupSteps());
    ASSERT_EQ(boxes_.Shown().size(), 1u);
    EXPECT_EQ(boxes_.Shown()[0].text,
              "Velocitrex Setup needs administrator rights. Please log on as an administrator and run Setup again.");
    EXPECT_EQ(boxes_.Shown()[0].caption, "Error");
    EXPECT_FALSE(RegKeyExists(RegRoot::LocalMachine, "\\Software\\Quorvex\\Velocitrex"));
}

TEST_F(StartupSteps, AnAdministratorGoesOnSilently)
{
    EXPECT_TRUE(RunStartupSteps());
    EXPECT_TRUE(boxes_.Shown().empty());
}

}  // namespace
}  // namespace vx::setup
