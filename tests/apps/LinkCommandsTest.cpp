#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "apps/vxtune/Command.h"
#include "apps/vxtune/Tool.h"
#include "platform/ProgramFile.h"
#include "platform/host/HostFileVersionQuery.h"
#include "tests/apps/VxtuneRun.h"
#include "tests/setup/TempDirectory.h"

namespace vx::tune {
namespace {

class LinkCommandsTest : public ::testing::Test {
protected:
    void SetUp() override { versions.Set(platform::RunningProgramFile(), {4, 0, 0, 1}); }

    platform::HostFileVersionQuery versions;
    platform::ScopedService<platform::FileVersionQuery> scopedVersions{versions};
    test::TempDirectory dir;
    std::string registry = dir.Prefix() + "machine.reg";
};

TEST_F(LinkCommandsTest, UrlOfAnEmptyMachine)
{
    Outcome result = RunVxtune({"--registry", registry, "url", "2"});
    EXPECT_EQ(result.status, ExitOk) << result.err;
    EXPECT_EQ(result.out, "http://www.quorvex.example/php/disp0201.php?pc=41609&rc=1&ps=R&mjv=4&mnv=0&bld=1&oc=2\n");
}

TEST_F(LinkCommandsTest, DistributionFilesReachTheUrl)
{
    dir.Write("SID.txt", "17\r\n");
    dir.Write("Reseller.txt", "4711\n");
    dir.Write("Defs.ini", "[Distribution]\ndcc=c#1\n");
    // Without its separator, as a user types it.
    std::string package = dir.Prefix().substr(0, dir.Prefix().size() - 1);
    Outcome read = RunVxtune({"--registry", registry, "distribution", package});
    EXPECT_EQ(read.status, ExitOk) << read.err;
    EXPECT_EQ(read.out, "4711\n");
    EXPECT_EQ(RunVxtune({"--registry", registry, "url", "6"}).out,
              "http://www.quorvex.example/php/disp0201.php?pc=41609&rc=4711&dcc=c%231&sid=17"
              "&ps=R&mjv=4&mnv=0&bld=1&oc=6\n");
}

TEST_F(LinkCommandsTest, DistributionOfAMissingDirectoryWritesNothing)
{
    Outcome result = RunVxtune({"--registry", registry, "distribution", dir.Prefix() + "nowhere"});
    EXPECT_EQ(result.status, ExitFailure);
    EXPECT_NE(result.err.find("is not a directory"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(registry));
}

TEST_F(LinkCommandsTest, UrlNeedsAPageCode)
{
    EXPECT_EQ(RunVxtune({"--registry", registry, "url"}).status, ExitUsage);
    EXPECT_EQ(RunVxtune({"--registry", registry, "url", "2", "6"}).status, ExitUsage);
}

}  // namespace
}  // namespace vx::tune
