// The file service against the real file system: the standard-library one on the
// host, the Windows one (with and without MoveFileExA) under Wine.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <set>
#include <string>

#include "platform/FileSystem.h"
#include "tests/setup/TempDirectory.h"
#ifdef _WIN32
#include "platform/win32/WinFileSystem.h"
#else
#include "platform/host/default/StdFileSystem.h"
#endif

namespace vx::platform {
namespace {

using namespace std::string_literals;

struct Implementation {
    const char* name;
    std::function<std::unique_ptr<FileSystem>()> make;
};

const Implementation kImplementations[] = {
#ifdef _WIN32
    {"Windows", [] { return std::make_unique<WinFileSystem>(); }},
    {"Windows9x", [] { return std::make_unique<WinFileSystem>(false); }},
#else
    {"StandardLibrary", [] { return std::make_unique<StdFileSystem>(); }},
#endif
};

const std::string kBinary = "line\r\nzero\0byte\xFF\x1A end"s;

class FileSystemTest : public testing::TestWithParam<Implementation> {
protected:
    FileSystemTest() : files_(GetParam().make()), scope_(*files_) {}
    ~FileSystemTest() override
    {
        // Read-only files would keep the directory from being removed on Windows.
        for (const auto& entry : std::filesystem::recursive_directory_iterator(dir_.Prefix()))
            files_->SetAttributes(entry.path().string(), FileAttribute::Normal);
    }

    std::string Path(const std::string& name) const { return dir_.Prefix() + name; }
    std::string Make(const std::string& name, std::string_view bytes) const { return dir_.Write(name, bytes); }
    std::string MakeDirectory(const std::string& name) const
    {
        std::filesystem::create_directory(Path(name));
        return Path(name);
    }
    std::string MakeReadOnly(const std::string& name, std::string_view bytes)
    {
        const std::string path = Make(name, bytes);
        EXPECT_TRUE(files_->SetAttributes(path, FileAttribute::ReadOnly));
        return path;
    }
    std::optional<std::string> Read(const std::string& name) const { return files_->ReadAll(Path(name)); }
    std::set<std::string> Names() const
    {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(dir_.Prefix()))
            names.insert(entry.path().filename().string());
        return names;
    }

    test::TempDirectory dir_;
    std::unique_ptr<FileSystem> files_;
    ScopedService<FileSystem> scope_;
};

TEST_P(FileSystemTest, TellsWhatANameIs)
{
    Make("file", "x");
    MakeDirectory("dir");
    const struct {
        std::string path;
        PathKind kind;
    } cases[] = {
        {Path("file"), PathKind::File},
        {Path("dir"), PathKind::Directory},
        {Path("missing"), PathKind::Missing},
        {Path("missing-dir") + "/file", PathKind::Missing},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(files_->Kind(c.path), c.kind) << c.path;
        EXPECT_EQ(PathExists(c.path), c.kind != PathKind::Missing) << c.path;
    }
}

TEST_P(FileSystemTest, ReadsAndWritesEveryByte)
{
    ASSERT_TRUE(files_->WriteAll(Path("f"), kBinary));
    EXPECT_EQ(Read("f"), kBinary);
    ASSERT_TRUE(files_->WriteAll(Path("f"), "short"));
    EXPECT_EQ(Read("f"), "short");  // emptied first
    ASSERT_TRUE(files_->WriteAll(Path("empty"), ""));
    EXPECT_EQ(Read("empty"), "");
    const std::string big(300000, 'b');  // more than one block
    ASSERT_TRUE(files_->WriteAll(Path("big"), big));
    EXPECT_EQ(Read("big"), big);
}

TEST_P(FileSystemTest, ReadingWhatIsNoFileGivesNothing)
{
    MakeDirectory("dir");
    EXPECT_EQ(Read("missing"), std::nullopt);
    EXPECT_EQ(Read("dir"), std::nullopt);
    EXPECT_EQ(files_->ReadAll(Path("missing-dir") + "/f"), std::nullopt);
}

TEST_P(FileSystemTest, WritingFailsWhereNoFileCanBeWritten)
{
    MakeDirectory("dir");
    const std::string readOnly = MakeReadOnly("ro", "kept");
    EXPECT_FALSE(files_->WriteAll(Path("dir"), "x"));
    EXPECT_FALSE(files_->WriteAll(Path("missing-dir") + "/f", "x"));
    EXPECT_FALSE(files_->WriteAll(readOnly, "x"));
    EXPECT_EQ(Read("ro"), "kept");
    EXPECT_EQ(files_->Kind(Path("dir")), PathKind::Directory);
}

TEST_P(FileSystemTest, DeletesFilesOnly)
{
    const std::string file = Make("file", "x");
    const std::string dir = MakeDirectory("dir");
    const std::string readOnly = MakeReadOnly("ro", "x");
    EXPECT_TRUE(files_->Delete(file));
    EXPECT_FALSE(PathExists(file));
    EXPECT_FALSE(files_->Delete(file));  // already gone
    EXPECT_FALSE(files_->Delete(dir));
    EXPECT_FALSE(files_->Delete(readOnly));
    EXPECT_EQ(Names(), (std::set<std::string>{"dir", "ro"}));
    ASSERT_TRUE(files_->SetAttributes(readOnly, FileAttribute::Normal));
    EXPECT_TRUE(files_->Delete(readOnly));
}

TEST_P(FileSystemTest, RenamesToANewName)
{
    Make("old", "data");
    ASSERT_TRUE(files_->Rename(Path("old"), Path("new")));
    EXPECT_EQ(Names(), std::set<std::string>{"new"});
    EXPECT_EQ(Read("new"), "data");
}

TEST_P(FileSystemTest, RenameReplacesAnExistingFile)
{
    Make("from", "new contents");
    Make("to", "old contents that were longer");
    ASSERT_TRUE(files_->Rename(Path("from"), Path("to")));
    EXPECT_EQ(Read("to"), "new contents");
    EXPECT_EQ(Names(), std::set<std::string>{"to"});  // nothing left aside
}

TEST_P(FileSystemTest, RenameThatCannotHappenChangesNothing)
{
    Make("to", "kept");
    MakeDirectory("dir");
    MakeReadOnly("ro", "read-only");
    const std::set<std::string> before = Names();
    EXPECT_FALSE(files_->Rename(Path("missing"), Path("to")));
    EXPECT_FALSE(files_->Rename(Path("to"), Path("dir")));
    EXPECT_FALSE(files_->Rename(Path("to"), Path("ro")));
    EXPECT_FALSE(files_->Rename(Path("to"), Path("missing-dir") + "/to"));
    EXPECT_EQ(Names(), before);
    EXPECT_EQ(Read("to"), "kept");
    EXPECT_EQ(Read("ro"), "read-only");
}

TEST_P(FileSystemTest, CopyReplacesTheDestination)
{
    Make("source", kBinary);
    Make("copy", "old");
    ASSERT_TRUE(files_->Copy(Path("source"), Path("copy")));
    EXPECT_EQ(Read("copy"), kBinary);
    EXPECT_EQ(Read("source"), kBinary);
    EXPECT_FALSE(files_->Copy(Path("missing"), Path("copy2")));
    EXPECT_FALSE(PathExists(Path("copy2")));
    MakeReadOnly("ro", "kept");
    EXPECT_FALSE(files_->Copy(Path("source"), Path("ro")));
    EXPECT_EQ(Read("ro"), "kept");
}

TEST_P(FileSystemTest, MakesAndRemovesOneDirectoryLevel)
{
    const std::string dir = Path("dir");
    EXPECT_TRUE(files_->MakeDirectory(dir));
    EXPECT_FALSE(files_->MakeDirectory(dir));  // already there
    EXPECT_FALSE(files_->MakeDirectory(Path("missing") + "/inner"));
    Make("dir/file", "x");
    EXPECT_FALSE(files_->RemoveEmptyDirectory(dir));
    ASSERT_TRUE(files_->Delete(Path("dir/file")));
    EXPECT_TRUE(files_->RemoveEmptyDirectory(dir));
    EXPECT_FALSE(PathExists(dir));
    EXPECT_FALSE(files_->RemoveEmptyDirectory(dir));
}

TEST_P(FileSystemTest, ReadsAndClearsTheReadOnlyAttribute)
{
    const std::string file = Make("file", "x");
    const std::string dir = MakeDirectory("dir");
    EXPECT_EQ(files_->Attributes(Path("missing")), std::nullopt);
    EXPECT_NE(*files_->Attributes(dir) & FileAttribute::Directory, 0u);
    EXPECT_EQ(*files_->Attributes(file) & (FileAttribute::ReadOnly | FileAttribute::Directory), 0u);
    ASSERT_TRUE(files_->SetAttributes(file, FileAttribute::ReadOnly));
    EXPECT_NE(*files_->Attributes(file) & FileAttribute::ReadOnly, 0u);
    ASSERT_TRUE(files_->SetAttributes(file, FileAttribute::Normal));
    EXPECT_EQ(*files_->Attributes(file) & FileAttribute::ReadOnly, 0u);
    EXPECT_FALSE(files_->SetAttributes(Path("missing"), FileAttribute::Normal));
}

TEST_P(FileSystemTest, SafeWriteReplacesTheFileAndLeavesNoTemporary)
{
    Make("f", "old");
    EXPECT_EQ(WriteFileSafely(Path("f"), kBinary), std::nullopt);
    EXPECT_EQ(Read("f"), kBinary);
    EXPECT_EQ(WriteFileSafely(Path("new"), "n"), std::nullopt);
    EXPECT_EQ(Names(), (std::set<std::string>{"f", "new"}));
}

TEST_P(FileSystemTest, FailedSafeWriteKeepsTheEarlierFile)
{
    MakeDirectory("dir");
    MakeReadOnly("ro", "kept");
    EXPECT_NE(WriteFileSafely(Path("dir"), "x"), std::nullopt);
    EXPECT_NE(WriteFileSafely(Path("ro"), "x"), std::nullopt);
    EXPECT_NE(WriteFileSafely(Path("missing-dir") + "/f", "x"), std::nullopt);
    EXPECT_EQ(Read("ro"), "kept");
    EXPECT_EQ(Names(), (std::set<std::string>{"dir", "ro"}));
}

INSTANTIATE_TEST_SUITE_P(Each, FileSystemTest, testing::ValuesIn(kImplementations),
                         [](const testing::TestParamInfo<Implementation>& each) { return each.param.name; });

}  // namespace
}  // namespace vx::platform
