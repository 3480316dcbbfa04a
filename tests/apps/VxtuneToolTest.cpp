#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "apps/vxtune/RegistryFileSession.h"
#include "apps/vxtune/Tool.h"
#include "common/RegistryCalls.h"
#include "engine/vxRegistryKeys.h"
#include "tests/apps/VxtuneRun.h"

namespace vx::tune {
namespace {

namespace fs = std::filesystem;

std::string Fixture(const char* name) { return std::string(VX_SOURCE_DIR) + "/tests/engine/fixtures/" + name; }

std::string ReadFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const fs::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

// A directory of its own for each test, removed afterwards.
class VxtuneFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::temp_directory_path() / (std::string("vxtune-") + info->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Path(const char* name) const { return (dir_ / name).string(); }
    std::string CopyOf(const char* fixture) const
    {
        std::string copy = Path(fixture);
        fs::copy_file(Fixture(fixture), copy);
        return copy;
    }

    fs::path dir_;
};

constexpr const char* kUsageLine = "usage: vxtune [--registry FILE] [--os VERSION] COMMAND\n";

TEST_F(VxtuneFiles, UsageErrorsExitWith2AndTheUsageLineOnStandardError)
{
    const std::string file = CopyOf("win98.reg");
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"--os"},
        {"--os", "vista", "show"},
        {"--verbose", "show"},
        {"--registry", file},
        {"--registry", file, "frobnicate"},
        {"--registry", file, "show", "extra"},
        {"--registry", file, "platform", "--os", "98"},
        {"--os", "98", "dump"},  // dump has no system registry to print
#ifndef _WIN32
        {"show"},  // no system registry to fall back on
#endif
    };
    const std::string before = ReadFile(file);
    for (const auto& args : cases) {
        Outcome result = RunVxtune(args);
        std::string line;
        for (const auto& arg : args)
            line += arg + " ";
        EXPECT_EQ(result.status, 2) << line;
        EXPECT_NE(result.err.find(kUsageLine), std::string::npos) << line << "\n" << result.err;
        EXPECT_TRUE(result.out.empty()) << line;
    }
    EXPECT_EQ(ReadFile(file), before);
}

TEST_F(VxtuneFiles, PlatformPrintsTheCodeThatDetectionMapsTheNamedVersionTo)
{
    const std::string file = Path("none.reg");
    const std::pair<const char*, const char*> cases[] = {
        {"95", "2 Windows95\n"},     {"98", "3 Windows98\n"},     {"me", "4 WindowsMe\n"},
        {"nt4", "5 WindowsNT\n"},    {"2000", "6 Windows2000\n"}, {"xp", "7 WindowsXP\n"},
        {"2003", "0 Unknown\n"},
    };
    for (const auto& [os, expected] : cases) {
        Outcome result = RunVxtune({"--registry", file, "--os", os, "platform"});
        EXPECT_EQ(result.status, 0) << os;
        EXPECT_EQ(result.out, expected) << os;
    }
#ifndef _WIN32
    EXPECT_EQ(RunVxtune({"--registry", file, "platform"}).out, "7 WindowsXP\n");
#endif
}

TEST_F(VxtuneFiles, ShowPrintsOneLinePerReaderInOrder)
{
    struct Case {
        const char* fixture;
        const char* os;
        const char* expected;
    };
    const Case cases[] = {
        {"win98.reg", "98",
         "pmtu_discovery=1\npmtu_blackhole_detect=0\nsack_opts=1\ntcp_max_dup_acks=2\nmtu=1500\n"
         "ndi_cache_size=32\nreceive_window=65535\nsession_keep_alive=3600000\ndefault_ttl=64\n"},
        {"winxp.reg", "xp",
         "pmtu_discovery=1\npmtu_blackhole_detect=0\nsack_opts=1\ntcp_max_dup_acks=3\nmtu=1492\n"
         "ndi_cache_size=0\nreceive_window=64240\nsession_keep_alive=1800000\ndefault_ttl=64\n"},
        {"winxp.reg", "2003",
         "pmtu_discovery=1\npmtu_blackhole_detect=0\nsack_opts=1\ntcp_max_dup_acks=3\nmtu=-1\n"
         "ndi_cache_size=0\nreceive_window=64240\nsession_keep_alive=1800000\ndefault_ttl=64\n"},
    };
    for (const Case& c : cases) {
        const std::string file = Fixture(c.fixture);
        Outcome result = RunVxtune({"--registry", file, "--os", c.os, "show"});
        EXPECT_EQ(result.status, 0) << c.fixture << " " << c.os << ": " << result.err;
        EXPECT_EQ(result.out, c.expected) << c.fixture << " " << c.os;
    }
}

TEST_F(VxtuneFiles, AMissingFileIsAnEmptyRegistryAndIsNotCreated)
{
    const std::string file = Path("absent.reg");
    Outcome result = RunVxtune({"--registry", file, "--os", "98", "show"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("mtu=-1\n"), std::string::npos);
    EXPECT_NE(result.out.find("default_ttl=32\n"), std::string::npos);
    EXPECT_EQ(RunVxtune({"--registry", file, "dump"}).status, 0);
    EXPECT_FALSE(fs::exists(file));
}

TEST_F(VxtuneFiles, AFileThatCannotBeReadExitsWith3AndIsLeftAlone)
{
    const std::string malformed = Path("broken.reg");
    const std::string text = "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Quorvex\n\"init\"=\"1\"\n";
    WriteFile(malformed, text);
    const std::string directory = Path("folder.reg");
    fs::create_directories(directory);

    for (const std::string& file : {malformed, directory}) {
        Outcome result = RunVxtune({"--registry", file, "--os", "xp", "show"});
        EXPECT_EQ(result.status, 3) << file;
        EXPECT_NE(result.err.find(fs::path(file).filename().string()), std::string::npos) << result.err;
        EXPECT_TRUE(result.out.empty()) << file;
    }
    EXPECT_EQ(ReadFile(malformed), text);
}

TEST_F(VxtuneFiles, ReadingCommandsLeaveTheFileByteForByte)
{
    const std::string file = CopyOf("winxp.reg");
    const std::string before = ReadFile(file);
    for (const char* command : {"platform", "show", "dump"})
        EXPECT_EQ(RunVxtune({"--registry", file, command}).status, 0) << command;
    EXPECT_EQ(ReadFile(file), before);
}

TEST_F(VxtuneFiles, DumpPrintsTheWholeRegistryAsRegedit4)
{
    const std::string file = CopyOf("win98.reg");
    Outcome result = RunVxtune({"--registry", file, "dump"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out.rfind("REGEDIT4", 0), 0u);
    EXPECT_NE(result.out.find("[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\Class\\NetTrans\\0010]"),
              std::string::npos);
    EXPECT_NE(result.out.find("\"TcpMaxDupAcks\"=dword:00000003"), std::string::npos);

    // What dump prints loads back to the same machine.
    const std::string dumped = Path("dumped.reg");
    WriteFile(dumped, result.out);
    EXPECT_EQ(RunVxtune({"--registry", dumped, "--os", "98", "show"}).out,
              RunVxtune({"--registry", file, "--os", "98", "show"}).out);
}

TEST_F(VxtuneFiles, TheSessionSavesOnlyAfterAChange)
{
    const std::string file = CopyOf("win98.reg");
    const std::string before = ReadFile(file);
    {
        RegistryFileSession session(file);
        ASSERT_FALSE(session.Load());
        EXPECT_FALSE(session.SaveIfChanged());
    }
    EXPECT_EQ(ReadFile(file), before);
    {
        RegistryFileSession session(file);
        ASSERT_FALSE(session.Load());
        ASSERT_TRUE(SetRegistryValue(RegRoot::LocalMachine, ProductKey, true, RegistryValue::String("1"),
                                     "init", RegValueKind::String));
        EXPECT_FALSE(session.SaveIfChanged());
    }
    EXPECT_NE(ReadFile(file), before);
    Outcome dumped = RunVxtune({"--registry", file, "dump"});
    EXPECT_NE(dumped.out.find("[HKEY_LOCAL_MACHINE\\Software\\Quorvex\\Velocitrex]\n\"init\"=\"1\""),
              std::string::npos)
        << dumped.out;
}

TEST_F(VxtuneFiles, ASaveThatFailsIsReported)
{
    RegistryFileSession session(Path("no-such-folder/machine.reg"));
    ASSERT_FALSE(session.Load());
    ASSERT_TRUE(SetRegistryValue(RegRoot::LocalMachine, ProductKey, true, RegistryValue::String("1"), "init",
                                 RegValueKind::String));
    EXPECT_TRUE(session.SaveIfChanged());
}

}  // namespace
}  // namespace vx::tune
