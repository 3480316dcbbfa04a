// The install engine on a temporary drive C: files, shortcuts, registry entries
// and command lines, and the refusals and failures with their messages.
#include <gtest/gtest.h>

#include <algorithm>

#include "common/RegistryCalls.h"
#include "setup/InstallEngine.h"
#include "setup/ProgramShortcuts.h"
#include "tests/setup/InstallFixture.h"

namespace vx::setup {
namespace {

namespace FileAttribute = platform::FileAttribute;
using platform::HostShellLinks;

constexpr const char* kCopyError =
    "Warning: There was an error copying the program over.\r\rBe sure you have closed any previous version of the "
    "program that is running on your system,\r\rand be sure you have adequate disk space.";
constexpr const char* kSameDirectory =
    "Information: You cannot extract files and install to the same directory.  Please choose a different extract "
    "directory and run setup again.";
constexpr const char* kGroup = "C:\\WINDOWS\\Start Menu\\Programs\\Velocitrex\\";

std::string Text(RegRoot root, std::string_view key, std::string_view name)
{
    return GetRegistryValue(root, key, RegValueKind::String, name).AsString();
}

using InstallEngine = test::InstallFixture;

TEST_F(InstallEngine, MovesTheFilesToTheirPlacesAndEmptiesTheExtractionDirectory)
{
    files_.WriteAll(std::string(kSource) + "unrelated.tmp", "keep");
    ASSERT_TRUE(RunInstall());
    EXPECT_FALSE(setupState.installFailed);
    for (const char* name : {"velocitrex.exe", "file_id.diz", "readme.txt", "vlxhelp.htm"})
        EXPECT_EQ(Read(std::string(kInstall) + "\\" + name), std::string("new ") + name);
    EXPECT_EQ(Read("C:\\WINDOWS\\unvlx.exe"), "new unvlx.exe");
    EXPECT_FALSE(Exists(std::string(kInstall) + "\\unvlx.exe")) << "the uninstaller lives in the Windows directory";
    for (const DistributionFile& file : DistributionFileSet)
        EXPECT_FALSE(Exists(kSource + std::string(file.name))) << file.name;
    for (const char* never : {"startvlx.exe", "Reseller.txt"})
        EXPECT_FALSE(Exists(std::string(kInstall) + "\\" + never)) << never;
    EXPECT_EQ(Read(std::string(kSource) + "unrelated.tmp"), "keep");
    EXPECT_TRUE(boxes_.Shown().empty());
}

TEST_F(InstallEngine, ReplacesReadOnlyFilesOfAnEarlierInstallation)
{
    ASSERT_TRUE(files_.MakeDirectory("C:\\Program Files\\Quorvex") && files_.MakeDirectory(kInstall));
    for (const std::string& path : {std::string(kInstall) + "\\velocitrex.exe", std::string(kInstall) + "\\README.TXT",
                                   std::string("C:\\WINDOWS\\unvlx.exe")}) {
        files_.WriteAll(path, "old");
        files_.SetAttributes(path, FileAttribute::ReadOnly);
    }
    files_.SetAttributes(std::string(kSource) + "velocitrex.exe", FileAttribute::ReadOnly);
    ASSERT_TRUE(RunInstall());
    EXPECT_EQ(Read(std::string(kInstall) + "\\velocitrex.exe"), "new velocitrex.exe");
    EXPECT_EQ(Read(std::string(kInstall) + "\\readme.txt"), "new readme.txt");
    EXPECT_EQ(Read("C:\\WINDOWS\\unvlx.exe"), "new unvlx.exe");
    EXPECT_FALSE(Exists(std::string(kSource) + "velocitrex.exe")) << "a read-only source is deleted too";
}

TEST_F(InstallEngine, CreatesANestedTargetLevelByLevel)
{
    setupState.installDir = "C:\\A\\B\\C";
    ASSERT_TRUE(RunInstall());
    EXPECT_EQ(Read("C:\\A\\B\\C\\velocitrex.exe"), "new velocitrex.exe");
    std::vector<std::string> made;
    for (const std::string& event : files_.Events())
        if (event.starts_with("mkdir \"C:\\A"))
            made.push_back(event);
    // The first attempt fails; then the ancestors from the root down, and the target.
    EXPECT_EQ(made, (std::vector<std::string>{"mkdir \"C:\\A\\B\\C\"", "mkdir \"C:\\A\"", "mkdir \"C:\\A\\B\"",
                                              "mkdir \"C:\\A\\B\\C\""}));
}

TEST_F(InstallEngine, ACopyFailureLeavesTheExtractionDirectoryComplete)
{
    // readme.txt is missing: velocitrex.exe and file_id.diz are copied before it fails.
    files_.Delete(std::string(kSource) + "readme.txt");
    EXPECT_FALSE(RunInstall());
    EXPECT_TRUE(setupState.installFailed);
    EXPECT_EQ(Captions(), std::vector<std::string>{kCopyError});
    for (const DistributionFile& file : DistributionFileSet)
        EXPECT_EQ(Exists(kSource + std::string(file.name)), file.name != "readme.txt") << file.name;
    EXPECT_FALSE(Exists(std::string(kInstall) + "\\vlxhelp.htm")) << "no copy after the failed one";
    EXPECT_TRUE(links_.Requests().empty());
    EXPECT_FALSE(RegValueExists(RegRoot::LocalMachine, "\\Software\\Quorvex\\Velocitrex", "rn"));
}

TEST_F(InstallEngine, RefusesEverySpellingOfTheExtractionDirectory)
{
    paths_.AddShortName("C:\\WINDOWS\\TEMP", "C:\\WINDOWS\\TEMPOR~1");
    const char* spellings[] = {
        "C:\\WINDOWS\\TEMP", "c:\\windows\\temp", "C:\\WINDOWS\\TEMP\\", "C:\\WINDOWS\\TEMP\\\\",
        "C:/Windows/Temp", "C:\\WINDOWS\\SYSTEM\\..\\TEMP", "C:\\WINDOWS\\TEMPOR~1", "c:\\windows\\tempor~1\\",
    };
    for (const char* spelling : spellings) {
        boxes_.Clear();
        setupState.installDir = spelling;
        EXPECT_FALSE(RunInstall()) << spelling;
        EXPECT_TRUE(setupState.installFailed) << spelling;
        EXPECT_EQ(Captions(), std::vector<std::string>{kSameDirectory}) << spelling;
        for (const DistributionFile& file : DistributionFileSet)
            EXPECT_EQ(Read(kSource + std::string(file.name)), "new " + std::string(file.name)) << spelling;
    }
    EXPECT_TRUE(links_.Requests().empty());
}

TEST_F(InstallEngine, TellsANeighbourOfTheExtractionDirectoryApart)
{
    for (const char* target : {"C:\\WINDOWS\\TEMP\\Velocitrex", "C:\\WINDOWS\\TEMP2", "C:\\WINDOWS"}) {
        EXPECT_FALSE(SameDirectory(kSource, target)) << target;
    }
}

TEST_F(InstallEngine, MakesTheDesktopIconAndTheProgramGroup)
{
    files_.MakeDirectory("C:\\WINDOWS\\Start Menu\\Programs\\Velocitrex");
    for (const char* old : {"VlxHelp.lnk", "ReadMe.lnk", "Notes.txt"})
        files_.WriteAll(kGroup + std::string(old), "old");
    ASSERT_TRUE(RunInstall());
    struct Link {
        std::string file;
        std::string target;
    };
    const Link expected[] = {
        {"C:\\WINDOWS\\Desktop\\Velocitrex.lnk", std::string(kInstall) + "\\velocitrex.exe"},
        {kGroup + std::string("Velocitrex.lnk"), std::string(kInstall) + "\\velocitrex.exe"},
        {kGroup + std::string("VelocHelp.lnk"), std::string(kInstall) + "\\vlxhelp.htm"},
        {kGroup + std::string("ReadMe.lnk"), std::string(kInstall) + "\\readme.txt"},
        {kGroup + std::string("Uninstall.lnk"), "C:\\WINDOWS\\unvlx.exe"},
    };
    for (const Link& link : expected)
        EXPECT_EQ(HostShellLinks::TargetOf(link.file), link.target) << link.file;
    EXPECT_FALSE(Exists(kGroup + std::string("VlxHelp.lnk")));
    EXPECT_EQ(Read(kGroup + std::string("Notes.txt")), "old");
}

TEST_F(InstallEngine, ClearOptionsLeaveTheDesktopAndTheStartMenuAlone)
{
    setupState.addDesktopIcon = false;
    setupState.addStartMenuLinks = false;
    files_.WriteAll("C:\\WINDOWS\\Desktop\\Velocitrex.lnk", "mine");
    ASSERT_TRUE(RunInstall());
    EXPECT_EQ(Read("C:\\WINDOWS\\Desktop\\Velocitrex.lnk"), "mine");
    EXPECT_FALSE(Exists("C:\\WINDOWS\\Start Menu\\Programs\\Velocitrex"));
    EXPECT_TRUE(links_.Requests().empty());
}

TEST_F(InstallEngine, ShortcutsThatCannotBeMadeAreReportedAndTheInstallGoesOn)
{
    links_.SetUnavailable(true);
    ASSERT_TRUE(RunInstall());
    EXPECT_FALSE(setupState.installFailed);
    EXPECT_EQ(Captions(), (std::vector<std::string>{"Information: Failed to add icon to the desktop. Continuing...",
                                                    "Information: Failed to add program to the start menu. "
                                                    "Continuing..."}));
    EXPECT_EQ(links_.Requests().size(), 2u) << "the group's other shortcuts are skipped";
    EXPECT_FALSE(Text(RegRoot::LocalMachine, "\\Software\\Quorvex\\Velocitrex", "rn").empty())
        << "the reseller values are still written";
}

TEST_F(InstallEngine, ReadsTheDesktopFolderAgain)
{
    files_.MakeDirectory("C:\\Desk");
    SetShellFolder("Desktop", "C:\\Desk");
    setupState.desktopDir = "C:\\stale";
    ASSERT_TRUE(RunInstall());
    EXPECT_TRUE(Exists("C:\\Desk\\Velocitrex.lnk"));
}

TEST_F(InstallEngine, RegistersTheProgramWithQuotedPaths)
{
    for (auto [root, name] : {std::pair{RegRoot::CurrentUser, "vx2002"}, {RegRoot::CurrentUser, "vlx2002"},
                              {RegRoot::LocalMachine, "Velocitrex2002"}, {RegRoot::LocalMachine, "Startvlx"}})
        registry_.Create(root, "Software\\Microsoft\\Windows\\CurrentVersion\\Run").SetValue(name, RawValue::Text("x"));
    WriteAutostartEntries();
    WriteUninstallEntry();
    const std::string run = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";
    EXPECT_EQ(Text(RegRoot::LocalMachine, run, "Velocitrex"),
              "\"C:\\Program Files\\Quorvex\\Velocitrex\\velocitrex.exe\" /S");
    for (auto [root, name] : {std::pair{RegRoot::CurrentUser, "vx2002"}, {RegRoot::CurrentUser, "vlx2002"},
                              {RegRoot::LocalMachine, "Velocitrex2002"}, {RegRoot::LocalMachine, "Startvlx"}})
        EXPECT_FALSE(RegValueExists(root, run, name)) << name;
    EXPECT_EQ(Text(RegRoot::LocalMachine, "\\Software\\Quorvex\\Velocitrex", "installdir"), kInstall);

    const std::string uninstall = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Velocitrex";
    const std::pair<const char*, std::string> texts[] = {
        {"Displayname", "Velocitrex"},
        {"UninstallString", "\"C:\\WINDOWS\\unvlx.exe\""},
        {"QuietUninstallString", "\"C:\\WINDOWS\\unvlx.exe\" /S"},
        {"DisplayVersion", "4.0.0.1"},
        {"Publisher", "Quorvex"},
        {"DisplayIcon", std::string(kInstall) + "\\velocitrex.exe"},
        {"InstallLocation", kInstall},
    };
    for (const auto& [name, text] : texts)
        EXPECT_EQ(Text(RegRoot::LocalMachine, uninstall, name), text) << name;
    for (const char* flag : {"NoModify", "NoRepair"})
        EXPECT_EQ(registry_.Find(RegRoot::LocalMachine, uninstall)->FindValue(flag)->value, RawValue::Dword(1)) << flag;
}

TEST_F(InstallEngine, StartsTheProgramThenTheNotesWithQuotedPaths)
{
    RunInstalledProgram();
    ShowReleaseNotes();
    EXPECT_EQ(launcher_.Started(),
              (std::vector<std::string>{"\"C:\\Program Files\\Quorvex\\Velocitrex\\Velocitrex.exe\"",
                                        "\"C:\\WINDOWS\\notepad.exe\" \"C:\\Program Files\\Quorvex\\Velocitrex\\readme.txt\""}));
}

}  // namespace
}  // namespace vx::setup
