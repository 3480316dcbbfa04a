// Windows paths over a real directory: drive mapping, case-blind lookup and the
// Windows rules the setup and uninstaller rely on.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <vector>
#include <string>

#include "platform/host/HostDriveFileSystem.h"
#include "tests/setup/TempDirectory.h"

namespace vx::platform {
namespace {

namespace fs = std::filesystem;

class HostDriveFileSystemTest : public testing::Test {
protected:
    HostDriveFileSystemTest() : files_(dir_.Prefix())
    {
        files_.AddDrive('c');
        fs::create_directories(dir_.Prefix() + "C/Program Files/Quorvex");
        std::FILE* file = std::fopen((dir_.Prefix() + "C/Program Files/Quorvex/Tool.EXE").c_str(), "wb");
        std::fputs("MZ", file);
        std::fclose(file);
    }
    ~HostDriveFileSystemTest() override
    {
        for (const auto& entry : fs::recursive_directory_iterator(dir_.Prefix()))
            fs::permissions(entry.path(), fs::perms::owner_write, fs::perm_options::add);
    }

    test::TempDirectory dir_;
    HostDriveFileSystem files_;
};

TEST_F(HostDriveFileSystemTest, PathsMapOntoTheDriveDirectoriesRegardlessOfCase)
{
    struct Case {
        const char* path;
        PathKind kind;
    };
    const Case cases[] = {
        {"C:\\", PathKind::Directory},
        {"c:", PathKind::Directory},
        {"C:\\program files\\QUORVEX", PathKind::Directory},
        {"C:\\Program Files\\Quorvex\\", PathKind::Directory},
        {"c:/program files/quorvex/tool.exe", PathKind::File},
        {"C:\\Program Files\\Other\\..\\Quorvex\\.\\tool.exe", PathKind::File},
        {"C:\\Program Files\\Quorvex\\missing.exe", PathKind::Missing},
        {"D:\\", PathKind::Missing},      // no such drive
        {"relative\\name", PathKind::Missing},
        {"C:Program Files", PathKind::Missing},  // relative to the drive's current directory
        {"", PathKind::Missing},
    };
    for (const Case& c : cases)
        EXPECT_EQ(files_.Kind(c.path), c.kind) << c.path;
}

TEST_F(HostDriveFileSystemTest, NewNamesKeepTheirCaseBesideTheStoredOnes)
{
    ASSERT_TRUE(files_.MakeDirectory("C:\\PROGRAM FILES\\quorvex\\Help"));
    EXPECT_TRUE(fs::is_directory(dir_.Prefix() + "C/Program Files/Quorvex/Help"));
    ASSERT_TRUE(files_.WriteAll("c:\\program files\\quorvex\\help\\Read Me.txt", "text"));
    EXPECT_EQ(files_.ReadAll("C:\\Program Files\\Quorvex\\HELP\\READ ME.TXT"), "text");
    EXPECT_TRUE(fs::exists(dir_.Prefix() + "C/Program Files/Quorvex/Help/Read Me.txt"));
}

TEST_F(HostDriveFileSystemTest, DirectoriesAreMadeOneAtATime)
{
    EXPECT_FALSE(files_.MakeDirectory("C:\\A\\B")) << "the parent is missing";
    EXPECT_TRUE(files_.MakeDirectory("C:\\A"));
    EXPECT_FALSE(files_.MakeDirectory("c:\\a")) << "it exists already";
    EXPECT_TRUE(files_.MakeDirectory("C:\\a\\B"));
    EXPECT_FALSE(files_.RemoveEmptyDirectory("C:\\A")) << "it is not empty";
    EXPECT_TRUE(files_.RemoveEmptyDirectory("C:\\A\\B"));
    EXPECT_FALSE(files_.RemoveEmptyDirectory("C:\\")) << "a drive's root stays";
}

TEST_F(HostDriveFileSystemTest, CopyReplacesAWritableFileButNotAReadOnlyOne)
{
    const std::string source = "C:\\Program Files\\Quorvex\\tool.exe";
    ASSERT_TRUE(files_.WriteAll("C:\\copy.exe", "old"));
    EXPECT_TRUE(files_.Copy(source, "c:\\COPY.EXE"));
    EXPECT_EQ(files_.ReadAll("C:\\copy.exe"), "MZ");
    // Listed, since Windows itself would find either spelling.
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir_.Prefix() + "C"))
        names.push_back(entry.path().filename().string());
    EXPECT_EQ(std::count(names.begin(), names.end(), "copy.exe"), 1) << "the stored name is reused";
    EXPECT_EQ(std::count(names.begin(), names.end(), "COPY.EXE"), 0);

    ASSERT_TRUE(files_.SetAttributes("C:\\copy.exe", FileAttribute::ReadOnly));
    EXPECT_EQ(files_.Attributes("C:\\copy.exe"), FileAttribute::ReadOnly);
    EXPECT_FALSE(files_.Copy(source, "C:\\copy.exe"));
    EXPECT_FALSE(files_.Delete("C:\\copy.exe"));
    EXPECT_FALSE(files_.WriteAll("C:\\copy.exe", "x"));
    ASSERT_TRUE(files_.SetAttributes("C:\\copy.exe", FileAttribute::Normal));
    EXPECT_EQ(files_.Attributes("C:\\copy.exe"), FileAttribute::Normal);
    EXPECT_TRUE(files_.Delete("C:\\copy.exe"));
    EXPECT_FALSE(files_.Copy("C:\\missing.exe", "C:\\copy.exe"));
}

TEST_F(HostDriveFileSystemTest, DeleteAndRenameFollowWindowsRules)
{
    EXPECT_FALSE(files_.Delete("C:\\Program Files\\Quorvex")) << "a directory is not a file";
    EXPECT_EQ(files_.Attributes("C:\\Program Files"), FileAttribute::Directory);
    EXPECT_FALSE(files_.Rename("C:\\Program Files\\Quorvex\\tool.exe", "C:\\Program Files"));
    EXPECT_TRUE(files_.Rename("C:\\Program Files\\Quorvex\\tool.exe", "C:\\moved.exe"));
    EXPECT_EQ(files_.Kind("C:\\PROGRAM FILES\\QUORVEX\\TOOL.EXE"), PathKind::Missing);
    EXPECT_EQ(files_.ReadAll("C:\\Moved.exe"), "MZ");
    EXPECT_FALSE(files_.Rename("C:\\missing", "C:\\other"));
    EXPECT_FALSE(files_.WriteAll("D:\\file.txt", "x")) << "no such drive";
}

}  // namespace
}  // namespace vx::platform
