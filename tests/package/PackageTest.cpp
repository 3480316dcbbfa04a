#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "package/PackageWriter.h"
#include "package/Unpack.h"
#include "platform/FileSystem.h"
#include "tests/setup/TempDirectory.h"

namespace vx::package {
namespace {

const std::string Stub = "MZ stub program \x01\x02\x03 VXPK VXPE";  // magic texts in the stub must not confuse the reader

const std::vector<PackageFile> Distribution = {
    {"velocitrex.exe", std::string("MZ\0\x90 main program", 18)},
    {"vxSetup.exe", "MZ setup"},
    {"readme.txt", "Velocitrex\r\n"},
    {"SID.txt", ""},  // an empty file is a file too
    {"Defs.ini", std::string(70000, 'x')},
};

std::string Package(const std::vector<PackageFile>& files = Distribution)
{
    const auto archive = BuildArchive(files);
    EXPECT_TRUE(archive.has_value());
    return Stub + archive.value_or("");
}

PackageReader ReaderOf(const std::string& image)
{
    return PackageReader(reinterpret_cast<const unsigned char*>(image.data()), image.size());
}

std::string Bytes(const PackageEntry& entry)
{
    return std::string(reinterpret_cast<const char*>(entry.data), entry.size);
}

TEST(PackageFormat, RoundTripGivesBackEveryFileInOrder)
{
    const std::string image = Package();
    const PackageReader reader = ReaderOf(image);
    ASSERT_TRUE(reader.IsSound());
    ASSERT_EQ(reader.Count(), Distribution.size());
    for (std::uint32_t i = 0; i < reader.Count(); ++i) {
        const PackageEntry entry = reader.At(i);
        EXPECT_EQ(std::string(entry.name, entry.nameLength), Distribution[i].name);
        EXPECT_EQ(Bytes(entry), Distribution[i].bytes);
    }
}

TEST(PackageFormat, ChecksumIsTheCrcZipUses)
{
    const std::string text = "123456789";
    EXPECT_EQ(Crc32(reinterpret_cast<const unsigned char*>(text.data()), text.size()), 0xCBF43926u);
    EXPECT_EQ(Crc32(nullptr, 0), 0u);
}

struct Damage {
    const char* what;
    std::string (*apply)(std::string image);
};

std::size_t ArchiveStart(const std::string& image)
{
    return image.rfind("VXPK", image.size() - 8);
}

const Damage Damages[] = {
    {"one byte of a file changed", [](std::string s) { s[s.find("MZ setup") + 3] ^= 0x20; return s; }},
    {"cut short by a broken download", [](std::string s) { return s.substr(0, s.size() / 2); }},
    {"trailer lost", [](std::string s) { return s.substr(0, s.size() - 8); }},
    {"bytes added at the end", [](std::string s) { return s + "tail"; }},
    {"archive length beyond the file", [](std::string s) { s[s.size() - 5] = '\x7F'; return s; }},
    {"archive length zero", [](std::string s) { s.replace(s.size() - 8, 4, std::string(4, '\0')); return s; }},
    {"count one higher", [](std::string s) { ++s[ArchiveStart(s) + 4]; return s; }},
    {"count one lower", [](std::string s) { --s[ArchiveStart(s) + 4]; return s; }},
    {"count huge", [](std::string s) { s[ArchiveStart(s) + 7] = '\x7F'; return s; }},
    {"a size grown past the archive", [](std::string s) {
         const auto at = s.find("vxSetup.exe") + 11;
         s[at + 3] = '\x10';
         return s;
     }},
    {"a name turned into a path", [](std::string s) { s[s.find("readme.txt") + 6] = '\\'; return s; }},
    {"a name length of zero", [](std::string s) { s[s.find("SID.txt") - 1] = '\0'; return s; }},
    {"empty file", [](std::string) { return std::string(); }},
};

TEST(PackageFormat, DamagedPackagesAreRefusedWhole)
{
    for (const Damage& damage : Damages) {
        SCOPED_TRACE(damage.what);
        const std::string image = damage.apply(Package());
        const PackageReader reader = ReaderOf(image);
        EXPECT_FALSE(reader.IsSound());
        EXPECT_EQ(reader.Count(), 0u);
    }
}

TEST(PackageFormat, NamesThatCouldReachOutsideTheTargetCannotBePacked)
{
    const std::string names[] = {"..\\evil.exe", "../evil.exe", "C:evil.exe", "sub\\file.txt", ".hidden", "",
                                 "a name with spaces", "con?", std::string(65, 'a')};
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(BuildArchive({{name, "x"}}).has_value());
    }
    EXPECT_TRUE(BuildArchive({{std::string(64, 'a'), "x"}}).has_value());
}

TEST(PackageFormat, ANameTwiceInAnyCaseCannotBePacked)
{
    EXPECT_FALSE(BuildArchive({{"readme.txt", "a"}, {"README.TXT", "b"}}).has_value());
}

// Records what it was asked to write; refuses the names in `refused`.
class RecordingTarget final : public PackageTarget {
public:
    std::set<std::string> refused;
    std::map<std::string, std::string> files;

    bool Write(const PackageEntry& entry) override
    {
        const std::string name(entry.name, entry.nameLength);
        if (refused.count(name) != 0) {
            files[name] = "partial";
            return false;
        }
        files[name] = Bytes(entry);
        return true;
    }
    void Remove(const PackageEntry& entry) override { files.erase(std::string(entry.name, entry.nameLength)); }
};

TEST(PackageUnpack, WritesEveryFile)
{
    const std::string image = Package();
    RecordingTarget target;
    EXPECT_EQ(Unpack(ReaderOf(image), target).result, UnpackResult::Written);
    ASSERT_EQ(target.files.size(), Distribution.size());
    for (const auto& file : Distribution) {
        EXPECT_EQ(target.files[file.name], file.bytes);
    }
}

TEST(PackageUnpack, DamagedPackageWritesNothing)
{
    std::string image = Package();
    image[image.size() - 20] ^= 1;  // inside the last file
    RecordingTarget target;
    EXPECT_EQ(Unpack(ReaderOf(image), target).result, UnpackResult::Damaged);
    EXPECT_TRUE(target.files.empty());
}

TEST(PackageUnpack, AFileThatCannotBeWrittenStopsAndTakesBackTheOthers)
{
    const std::string image = Package();
    for (const char* refused : {"velocitrex.exe", "readme.txt", "Defs.ini"}) {
        SCOPED_TRACE(refused);
        RecordingTarget target;
        target.refused.insert(refused);
        const UnpackOutcome outcome = Unpack(ReaderOf(image), target);
        EXPECT_EQ(outcome.result, UnpackResult::NotWritten);
        EXPECT_EQ(std::string(outcome.failed.name, outcome.failed.nameLength), refused);
        EXPECT_TRUE(target.files.empty());
    }
}

// The same over the real file system: a directory where a file should go cannot be replaced.
class DirectoryTarget final : public PackageTarget {
public:
    explicit DirectoryTarget(std::string prefix) : prefix_(std::move(prefix)) {}
    bool Write(const PackageEntry& entry) override
    {
        return platform::Files().WriteAll(PathOf(entry), {reinterpret_cast<const char*>(entry.data), entry.size});
    }
    void Remove(const PackageEntry& entry) override { platform::Files().Delete(PathOf(entry)); }

private:
    std::string PathOf(const PackageEntry& entry) const { return prefix_ + std::string(entry.name, entry.nameLength); }
    std::string prefix_;
};

TEST(PackageUnpack, UnwritableTargetLeavesTheDirectoryAsItWas)
{
    test::TempDirectory temp;
    std::filesystem::create_directory(temp.Prefix() + "SID.txt");
    const std::string image = Package();
    DirectoryTarget target(temp.Prefix());
    const UnpackOutcome outcome = Unpack(ReaderOf(image), target);
    EXPECT_EQ(outcome.result, UnpackResult::NotWritten);
    EXPECT_EQ(std::string(outcome.failed.name, outcome.failed.nameLength), "SID.txt");
    std::vector<std::string> left;
    for (const auto& item : std::filesystem::directory_iterator(temp.Prefix())) {
        left.push_back(item.path().filename().string());
    }
    EXPECT_EQ(left, std::vector<std::string>{"SID.txt"});
}

}  // namespace
}  // namespace vx::package
