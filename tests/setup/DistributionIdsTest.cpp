#include "setup/DistributionIds.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "common/MemoryRegistry.h"
#include "common/RegistryCalls.h"
#include "platform/host/HostProgramFile.h"
#include "tests/setup/TempDirectory.h"

namespace vx::setup {
namespace {

constexpr const char* kProduct = "\\Software\\Quorvex\\Velocitrex";
constexpr const char* kMaker = "\\Software\\Quorvex";

class DistributionIdsTest : public ::testing::Test {
protected:
    // nullopt for a value that was not written.
    std::optional<std::string> Stored(const char* key, const char* name)
    {
        if (!RegValueExists(RegRoot::LocalMachine, key, name))
            return std::nullopt;
        return GetRegistryValue(RegRoot::LocalMachine, key, RegValueKind::String, name).AsString();
    }

    MemoryRegistry registry;
    ScopedRegistryBackend scoped{registry};
    test::TempDirectory dir;
};

TEST_F(DistributionIdsTest, SidFileWritesOnlyPositiveIdentifiers)
{
    struct Case {
        const char* what;
        std::string bytes;
        std::optional<std::string> sid;
    } cases[] = {
        {"a number", "17", "17"},
        {"CRLF line", "17\r\nignored\r\n", "17"},
        {"LF line", "17\n99\n", "17"},
        {"UTF-16", test::Utf16Le("4242\r\n"), "4242"},
        {"largest number", "2147483647", "2147483647"},
        {"empty", "", std::nullopt},
        {"zero", "0", std::nullopt},
        {"negative", "-3", std::nullopt},
        {"a word", "seventeen", std::nullopt},
        {"blanks around", " 17 ", std::nullopt},
        {"empty first line", "\r\n17", std::nullopt},
        {"garbage", std::string("\x00\x01\x80\xFF", 4), std::nullopt},
        {"very long digit line", std::string(100000, '7') + "\n", std::nullopt},
        {"very long line after the number", "17" + std::string(100000, ' '), std::nullopt},
    };
    for (const Case& c : cases) {
        registry.Clear();
        dir.Write("SID.txt", c.bytes);
        ReadDistributionIds(dir.Prefix());
        EXPECT_EQ(Stored(kProduct, "sid"), c.sid) << c.what;
    }
}

TEST_F(DistributionIdsTest, MissingFilesWriteNothing)
{
    ReadDistributionIds(dir.Prefix());
    EXPECT_FALSE(RegKeyExists(RegRoot::LocalMachine, kMaker));
}

TEST_F(DistributionIdsTest, DefsFileWritesAllFiveValues)
{
    dir.Write("Defs.ini",
              "[Identification]\r\ncd=CD1\r\n[Distribution]\r\ndcc=DC2\r\ndrc=DR3\r\n"
              "[Url]\r\ndisp=http://dist.example/d.php\r\n[Affiliate]\r\nmo=M4\r\n");
    ReadDistributionIds(dir.Prefix());
    EXPECT_EQ(Stored(kProduct, "cd"), "CD1");
    EXPECT_EQ(Stored(kProduct, "dcc"), "DC2");
    EXPECT_EQ(Stored(kProduct, "drc"), "DR3");
    EXPECT_EQ(Stored(kProduct, "disp"), "http://dist.example/d.php");
    EXPECT_EQ(Stored(kMaker, "mo"), "M4");
    EXPECT_EQ(Stored(kProduct, "mo"), std::nullopt);
}

TEST_F(DistributionIdsTest, KeysMissingFromDefsFileClearTheirValues)
{
    SetRegistryValue(RegRoot::LocalMachine, kProduct, true, RegistryValue::String("old"), "cd", RegValueKind::String);
    SetRegistryValue(RegRoot::LocalMachine, kMaker, true, RegistryValue::String("old"), "mo", RegValueKind::String);
    const std::string lf = "[Distribution]\ndcc=7\ndrc=8\n";
    for (const std::string& bytes : {lf, test::Utf16Le("[Distribution]\r\ndcc=7\r\ndrc=8")}) {
        dir.Write("Defs.ini", bytes);
        ReadDistributionIds(dir.Prefix());
        EXPECT_EQ(Stored(kProduct, "dcc"), "7");
        EXPECT_EQ(Stored(kProduct, "drc"), "8");
        EXPECT_EQ(Stored(kProduct, "cd"), "");
        EXPECT_EQ(Stored(kProduct, "disp"), "");
        EXPECT_EQ(Stored(kMaker, "mo"), "");
    }
}

TEST_F(DistributionIdsTest, GarbageDefsFileWritesEmptyValues)
{
    dir.Write("Defs.ini", std::string("\x00\x01garbage=\xFF\n[", 14));
    ReadDistributionIds(dir.Prefix());
    for (const char* name : {"cd", "dcc", "drc", "disp"})
        EXPECT_EQ(Stored(kProduct, name), "") << name;
    EXPECT_EQ(Stored(kMaker, "mo"), "");
}

TEST_F(DistributionIdsTest, ReadsFromTheProgramsOwnDirectory)
{
    dir.Write("SID.txt", "23\n");
    platform::HostProgramFile program(dir.Prefix() + "vxSetup.exe");
    platform::ScopedService<platform::ProgramFile> running(program);
    ReadDistributionIds();
    EXPECT_EQ(Stored(kProduct, "sid"), "23");
}

TEST_F(DistributionIdsTest, UnknownProgramDirectoryReadsNothing)
{
    dir.Write("SID.txt", "23\n");
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.Prefix());
    platform::HostProgramFile unknown("");
    platform::ScopedService<platform::ProgramFile> running(unknown);
    ReadDistributionIds();
    std::filesystem::current_path(previous);
    EXPECT_EQ(Stored(kProduct, "sid"), std::nullopt);
}

}  // namespace
}  // namespace vx::setup
