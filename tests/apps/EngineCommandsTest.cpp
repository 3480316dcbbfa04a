#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "apps/vxtune/Tool.h"
#include "common/RegFile.h"
#include "tests/apps/VxtuneRun.h"
#include "tests/engine/RegistrySnapshot.h"

namespace vx::tune {
namespace {

namespace fs = std::filesystem;

class EngineCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::temp_directory_path() / (std::string("vxtune-engine-") + info->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Machine(const char* fixture)
    {
        fs::path copy = dir_ / fixture;
        fs::copy_file(fs::path(VX_SOURCE_DIR) / "tests/engine/fixtures" / fixture, copy);
        return copy.string();
    }
    Outcome Run(const std::string& file, const char* os, std::vector<std::string> command)
    {
        std::vector<std::string> args{"--registry", file, "--os", os};
        args.insert(args.end(), command.begin(), command.end());
        return RunVxtune(args);
    }
    static test::RegistrySnapshot SystemState(const std::string& file)
    {
        MemoryRegistry registry;
        EXPECT_FALSE(LoadRegFile(registry, file));
        registry.Create(RegRoot::LocalMachine, "Software");
        return test::TakeSnapshot(registry, "Software\\Quorvex");
    }

    fs::path dir_;
};

TEST_F(EngineCommands, ProfileApplyRestoreRoundTripsEachFixture)
{
    const std::tuple<const char*, const char*, size_t> cases[] = {{"win98.reg", "98", 16}, {"winxp.reg", "xp", 13}};
    for (const auto& [fixture, os, records] : cases) {
        const std::string file = Machine(fixture);
        const auto original = SystemState(file);
        EXPECT_EQ(Run(file, os, {"profile", "C"}).status, 0);
        EXPECT_EQ(Run(file, os, {"apply"}).status, 0);
        EXPECT_NE(SystemState(file), original);
        Outcome journal = Run(file, os, {"journal"});
        EXPECT_EQ(std::count(journal.out.begin(), journal.out.end(), '\n'), static_cast<long>(records)) << fixture;
        EXPECT_EQ(Run(file, os, {"restore"}).status, 0);
        EXPECT_EQ(SystemState(file), original) << fixture;
        EXPECT_EQ(Run(file, os, {"journal"}).out, "");
    }
}

TEST_F(EngineCommands, PrefsShowsTheStoredProfileInOrder)
{
    const std::string file = Machine("winxp.reg");
    EXPECT_EQ(Run(file, "xp", {"prefs"}).out,
              "connect=\nPMTUDiscover=1\nPMTUBlackHoleDetect=0\nsack=0\nacks=0\nline=false\nmtu=-1\nndi=-1\n"
              "rwin=-1\nska=3600000\nttl=128\ninit=\n");
    Run(file, "xp", {"profile", "D2"});
    Run(file, "xp", {"apply"});
    EXPECT_EQ(Run(file, "xp", {"prefs"}).out,
              "connect=D2\nPMTUDiscover=1\nPMTUBlackHoleDetect=0\nsack=1\nacks=2\nline=true\nmtu=1492\nndi=32\n"
              "rwin=149600\nska=3600000\nttl=128\ninit=1\n");
}

TEST_F(EngineCommands, SetStoresOnePreferenceThroughItsSetter)
{
    const std::string file = Machine("win98.reg");
    Run(file, "98", {"profile", "M"});  // makes the product key, so "line" can be written
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"connect", "N", "connect=N"},       {"PMTUDiscover", "0", "PMTUDiscover=0"},
        {"PMTUDiscover", "default", "PMTUDiscover=1"},
        {"PMTUBlackHoleDetect", "1", "PMTUBlackHoleDetect=1"},
        {"sack", "default", "sack=1"},       {"acks", "default", "acks=2"},
        {"acks", "-3", "acks=-3"},           {"line", "false", "line=false"},
        {"mtu", "1400", "mtu=1400"},         {"mtu", "default", "mtu=576"},
        {"ndi", "64", "ndi=64"},             {"ndi", "default", "ndi=6666"},
        {"rwin", "default", "rwin=8192"},    {"ska", "60000", "ska=60000"},
        {"ttl", "default", "ttl=32"},        {"ttl", "100", "ttl=100"},
    };
    for (const auto& [name, value, line] : cases) {
        EXPECT_EQ(Run(file, "98", {"set", name, value}).status, 0) << name;
        EXPECT_NE(Run(file, "98", {"prefs"}).out.find(std::string(line) + "\n"), std::string::npos) << line;
    }
}

TEST_F(EngineCommands, BadNamesAndValuesAreUsageErrorsThatChangeNothing)
{
    const std::string file = Machine("win98.reg");
    const std::vector<std::vector<std::string>> commands = {
        {"set", "init", "1"},  {"set", "mtu", "15x"},     {"set", "line", "yes"}, {"set", "ska", "default"},
        {"set", "MTU", "1"},   {"profile", "Modem"},      {"profile", "c"},       {"set", "mtu"},
        {"apply", "now"},
    };
    const auto before = SystemState(file);
    for (const auto& command : commands) {
        Outcome outcome = Run(file, "98", command);
        EXPECT_EQ(outcome.status, 2) << command[0] << " " << command.back();
        EXPECT_NE(outcome.err.find("usage: vxtune"), std::string::npos) << outcome.err;
    }
    EXPECT_EQ(Run(file, "98", {"prefs"}).out.substr(0, 9), "connect=\n");
    EXPECT_EQ(SystemState(file), before);
}

TEST_F(EngineCommands, JournalShowsEachRecordsFieldsTabSeparated)
{
    const std::string file = (dir_ / "binary.reg").string();
    std::ofstream(file) << "REGEDIT4\n\n"
                           "[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\Class\\NetTrans\\0003]\n"
                           "\"DriverDesc\"=\"TCP/IP\"\n"
                           "\"MaxMTU\"=hex:0a,ff\n"
                           "\"IPMTU\"=dword:000005dc\n";
    Run(file, "98", {"set", "mtu", "1500"});
    Run(file, "98", {"apply"});
    const std::string key = "HKEY_LOCAL_MACHINE\tSystem\\CurrentControlSet\\Services\\Class\\NetTrans\\0003";
    std::string journal = Run(file, "98", {"journal"}).out;
    EXPECT_NE(journal.find("\t1\t" + key + "\tMaxMTU\tBinary\t0aff\n"), std::string::npos) << journal;
    EXPECT_NE(journal.find("\t1\t" + key + "\tIPMTU\tInteger\t1500\n"), std::string::npos) << journal;
    // The machine has no VxD key: its creation is journalled first, as a whole-key record.
    EXPECT_TRUE(journal.starts_with("1\t0\tHKEY_LOCAL_MACHINE\tSystem\\CurrentControlSet\\Services\\VxD\t\t\t\n"
                                    "2\t0\tHKEY_LOCAL_MACHINE\tSystem\\CurrentControlSet\\Services\\VxD\\MSTCP\t"
                                    "PMTUDiscovery\t\t\n"))
        << journal;
}

// An apply cut off while writing its first record: the listing marks the record,
// restore says it passed it over and still finishes the job.
TEST_F(EngineCommands, ACutOffRecordIsMarkedAndReportedByRestore)
{
    const std::string file = (dir_ / "cut.reg").string();
    std::ofstream(file) << "REGEDIT4\n\n"
                           "[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\VxD\\MSTCP]\n"
                           "\"DefaultTTL\"=\"64\"\n\n"
                           "[HKEY_LOCAL_MACHINE\\Software\\Quorvex\\Velocitrex\\Original Settings]\n"
                           "\"Counter\"=dword:00000001\n"
                           "\"S001_1\"=\"0\"\n"
                           "\"S001_2\"=\"HKEY_LOCAL_MACHINE\"\n"
                           "\"S001_3\"=\"System\\\\CurrentControlSet\\\\Services\\\\VxD\\\\MSTCP\"\n";
    const auto before = SystemState(file);
    EXPECT_EQ(Run(file, "98", {"journal"}).out,
              "1\t0\tHKEY_LOCAL_MACHINE\tSystem\\CurrentControlSet\\Services\\VxD\\MSTCP\t\t\t\tincomplete\n");
    Outcome restore = Run(file, "98", {"restore"});
    EXPECT_EQ(restore.status, 0);
    EXPECT_NE(restore.err.find("journal record 1 not restorable: incomplete"), std::string::npos) << restore.err;
    EXPECT_EQ(Run(file, "98", {"journal"}).out, "");
    EXPECT_EQ(SystemState(file), before);
}

}  // namespace
}  // namespace vx::tune
