#include "dispatcher/DispPage.h"

#include <gtest/gtest.h>

#include "common/MemoryRegistry.h"
#include "common/RegistryCalls.h"
#include "common/TextScrambling.h"
#include "dispatcher/PartnerValues.h"
#include "platform/host/HostFileVersionQuery.h"
#include "platform/host/HostProgramFile.h"
#include "platform/host/HostShell.h"

namespace vx::dispatcher {
namespace {

constexpr const char* kProduct = "\\Software\\Quorvex\\Velocitrex";

class DispPageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Store("rn", ScrambleText(PartnerKey, "-1"));
        LoadPartnerValues();
    }
    void Store(const char* name, const std::string& text)
    {
        SetRegistryValue(RegRoot::LocalMachine, kProduct, true, RegistryValue::String(text), name,
                         RegValueKind::String);
    }

    MemoryRegistry registry;
    ScopedRegistryBackend scoped{registry};
};

TEST_F(DispPageTest, UpdatePageCarriesTheVersionNumbers)
{
    EXPECT_EQ(DispPageAddress("2", {4, 0, 0, 1}),
              "http://www.quorvex.example/php/disp0201.php?pc=41609&rc=-1&ps=R&mjv=4&mnv=0&bld=1&oc=2");
    // The release number is not sent.
    EXPECT_EQ(DispPageAddress("2", {4, 0, 7, 1}), DispPageAddress("2", {4, 0, 0, 1}));
    EXPECT_EQ(DispPageAddress("2", {65535, 12, 0, 300}),
              "http://www.quorvex.example/php/disp0201.php?pc=41609&rc=-1&ps=R&mjv=65535&mnv=12&bld=300&oc=2");
}

TEST_F(DispPageTest, PartnerValuesComeBeforeTheStatus)
{
    Store("rn", ScrambleText(PartnerKey, "-4"));
    Store("sid", "17");
    Store("cd", "x&oc=9");
    LoadPartnerValues();
    EXPECT_EQ(DispPageAddress("2", {4, 0, 0, 1}),
              "http://www.quorvex.example/php/disp0201.php?pc=41609&rc=-4&cd=x%26oc%3D9&sid=17"
              "&ps=R&mjv=4&mnv=0&bld=1&oc=2");
}

TEST_F(DispPageTest, OpensThePageThroughTheShell)
{
    platform::HostShell shell;
    platform::ScopedService<platform::Shell> scopedShell(shell);
    shell.SetSucceeds(false);  // not reported
    OpenDispPage("2", {4, 0, 0, 1});
    ASSERT_EQ(shell.Requests().size(), 1u);
    EXPECT_EQ(shell.Requests()[0].verb, "open");
    EXPECT_EQ(shell.Requests()[0].target, DispPageAddress("2", {4, 0, 0, 1}));
    EXPECT_EQ(shell.Requests()[0].parameters, "");
}

TEST(RunningProgramVersion, ComesFromTheProgramFile)
{
    platform::HostProgramFile program("C:\\Program Files\\Quorvex\\Velocitrex\\velocitrex.exe");
    platform::HostFileVersionQuery versions;
    platform::ScopedService<platform::ProgramFile> scopedProgram(program);
    platform::ScopedService<platform::FileVersionQuery> scopedVersions(versions);
    EXPECT_EQ(RunningProgramVersion(), (platform::FileVersionNumbers{0, 0, 0, 0}));
    versions.Set(program.FullName(), {4, 0, 2, 1});
    EXPECT_EQ(RunningProgramVersion(), (platform::FileVersionNumbers{4, 0, 2, 1}));
}

// This test program carries the product's version resource on Windows; elsewhere
// the running program answers with the product's version.
TEST(RunningProgramVersion, IsTheProductVersion)
{
    EXPECT_EQ(RunningProgramVersion(), (platform::FileVersionNumbers{4, 0, 0, 1}));
    EXPECT_EQ(platform::GetFileVersionNumbers(platform::RunningProgramFile() + ".missing"),
              (platform::FileVersionNumbers{}));
}

}  // namespace
}  // namespace vx::dispatcher
