// The uninstaller on a machine that the setup and one automatic cable tuning have
// been through: drives in a temporary directory, the test machines' registries.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "common/PlatformKind.h"
#include "common/RegistryCalls.h"
#include "engine/vxApplyProfile.h"
#include "engine/vxAutomaticProfile.h"
#include "engine/vxPreferences.h"
#include "engine/vxRegistryKeys.h"
#include "platform/host/HostDelayedDelete.h"
#include "platform/host/HostDriveFileSystem.h"
#include "platform/host/HostMessageBoxes.h"
#include "platform/host/HostProgramFile.h"
#include "platform/host/HostSystemRestart.h"
#include "platform/host/HostTopWindows.h"
#include "tests/engine/FixtureRegistry.h"
#include "tests/engine/RegistrySnapshot.h"
#include "tests/setup/TempDirectory.h"
#include "uninstall/InstalledProduct.h"
#include "uninstall/Uninstaller.h"
#include "uninstall/UninstallMessages.h"

namespace vx::uninstall {
namespace {

using platform::MsgAnswer;

const std::string InstallDir = "C:\\Program Files\\Quorvex\\Velocitrex";
const std::string WindowsDir = "C:\\WINDOWS";
const std::string Uninstaller = WindowsDir + "\\unvlx.exe";
const std::string DesktopDir = WindowsDir + "\\Desktop";
const std::string ProgramsDir = WindowsDir + "\\Start Menu\\Programs";
const std::string ProgramGroup = ProgramsDir + "\\Velocitrex";
const std::string RunKey = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// Hands every call on, unless `refuse` says no: a writable open or a key deletion
// that a machine would refuse (a user without rights, a value that stays locked).
class GuardedRegistry : public RegistryBackend {
public:
    explicit GuardedRegistry(RegistryBackend& inner) : inner_(inner) {}
    std::function<bool(RegRoot, std::string_view path)> refuse = [](RegRoot, std::string_view) { return false; };

    std::unique_ptr<RegistryKey> OpenKey(RegRoot root, std::string_view path, KeyAccess access, bool create) override
    {
        if (access == KeyAccess::ReadWrite && refuse(root, path)) {
            return nullptr;
        }
        return inner_.OpenKey(root, path, access, create);
    }
    bool KeyExists(RegRoot root, std::string_view path) override { return inner_.KeyExists(root, path); }
    bool DeleteKey(RegRoot root, std::string_view path) override
    {
        return !refuse(root, path) && inner_.DeleteKey(root, path);
    }

private:
    RegistryBackend& inner_;
};

bool ContainsNoCase(std::string_view text, std::string_view part)
{
    auto lower = [](std::string_view s) {
        std::string out(s);
        for (char& c : out) {
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        return out;
    };
    return lower(text).find(lower(part)) != std::string::npos;
}

struct MachineKind {
    const char* fixture;
    PlatformKind kind;
};
const MachineKind Xp{"winxp.reg", PlatformKind::WindowsXP};
const MachineKind Win98{"win98.reg", PlatformKind::Windows98};

// A machine after setup and a cable tuning, with every service the uninstaller uses.
class InstalledMachine {
public:
    explicit InstalledMachine(const MachineKind& machine)
        : fixture_(machine.fixture), platformKind_(machine.kind), drives_(temp_.Prefix())
    {
        drives_.AddDrive('C');
        windows_.SetClock([this] { return now_; });
        systemBefore = test::TakeSnapshot(fixture_.Registry(), "Software");
        Install();
        SetConnectPref("C");
        StoreAutomaticProfile();
        ApplyStoredProfile();
    }

    UninstallResult Run(UninstallMode mode) { return RunUninstall(mode, wait); }

    bool Exists(const std::string& path) { return drives_.Kind(path) != platform::PathKind::Missing; }
    std::string Write(const std::string& path, std::string_view bytes = "x")
    {
        EXPECT_TRUE(drives_.WriteAll(path, bytes)) << path;
        return path;
    }
    void MakeDirectories(const std::string& path)
    {
        std::string partial;
        for (std::size_t i = 0; i <= path.size(); ++i) {
            if (i == path.size() || path[i] == '\\') {
                if (partial.size() > 2) {
                    drives_.MakeDirectory(partial);
                }
            }
            if (i < path.size()) {
                partial.push_back(path[i]);
            }
        }
    }
    std::vector<std::string> Captions()
    {
        std::vector<std::string> texts;
        for (const auto& box : messages.Shown()) {
            texts.push_back(box.text.substr(0, box.text.find("\r\n")));
        }
        return texts;
    }
    test::RegistrySnapshot SystemNow() { return test::TakeSnapshot(fixture_.Registry(), "Software"); }
    bool ProductKeyLeft() { return RegKeyExists(RegRoot::LocalMachine, ProductKey); }
    MemoryRegistry& Registry() { return fixture_.Registry(); }
    std::uint64_t Now() const { return now_; }

    test::RegistrySnapshot systemBefore;
    platform::HostMessageBoxes messages;
    platform::HostTopWindows windows_;
    platform::HostDelayedDelete delayed{WindowsDir};
    platform::HostSystemRestart restart;
    platform::WaitHooks wait{[] {}, [this](unsigned ms) { now_ += ms; }, [this] { return now_; }};
    bool restarted = false;

private:
    void Install()
    {
        MakeDirectories(InstallDir);
        MakeDirectories(DesktopDir);
        MakeDirectories(ProgramGroup);
        for (std::string_view name : InstalledFiles) {
            Write(InstallDir + "\\" + std::string(name));
        }
        Write(Uninstaller);
        Write(DesktopDir + "\\Velocitrex.lnk");
        for (const char* link : {"Velocitrex.lnk", "VelocHelp.lnk", "ReadMe.lnk", "Uninstall.lnk"}) {
            Write(ProgramGroup + "\\" + link);
        }
        auto text = [](const std::string& s) { return RegistryValue::String(s); };
        SetRegistryValue(RegRoot::CurrentUser, ShellFoldersKey, true, text(DesktopDir), "Desktop", RegValueKind::String);
        SetRegistryValue(RegRoot::CurrentUser, ShellFoldersKey, true, text(ProgramsDir), "Programs", RegValueKind::String);
        SetRegistryValue(RegRoot::LocalMachine, ProductKey, true, text(InstallDir), "installdir", RegValueKind::String);
        SetRegistryValue(RegRoot::LocalMachine, RunKey, true, text(InstallDir + "\\velocitrex.exe /S"), "Velocitrex",
                         RegValueKind::String);
        SetRegistryValue(RegRoot::LocalMachine, UninstallEntryKey, true, text("Velocitrex"), "Displayname",
                         RegValueKind::String);
        SetRegistryValue(RegRoot::LocalMachine, UninstallEntryKey, true, text(Uninstaller), "UninstallString",
                         RegValueKind::String);
        SetRegistryValue(RegRoot::LocalMachine, MakerKey, true, text(""), "mo", RegValueKind::String);
    }

    test::TempDirectory temp_;
    test::FixtureRegistry fixture_;
    ScopedPlatformKind platformKind_;
    platform::HostDriveFileSystem drives_;
    std::uint64_t now_ = 0;
    platform::HostProgramFile self_{Uninstaller};
    platform::ScopedService<platform::FileSystem> scopedFiles_{drives_};
    platform::ScopedService<platform::MessageBoxes> scopedMessages_{messages};
    platform::ScopedService<platform::TopWindows> scopedWindows_{windows_};
    platform::ScopedService<platform::ProgramFile> scopedSelf_{self_};
    platform::ScopedService<platform::DelayedDelete> scopedDelayed_{delayed};
    platform::ScopedService<platform::SystemRestart> scopedRestart_{restart};
};

void ExpectEverythingRemoved(InstalledMachine& machine)
{
    EXPECT_EQ(machine.SystemNow(), machine.systemBefore)
        << test::DescribeDifferences(machine.systemBefore, machine.SystemNow());
    for (std::string_view name : InstalledFiles) {
        EXPECT_FALSE(machine.Exists(InstallDir + "\\" + std::string(name))) << name;
    }
    for (const std::string& gone : {InstallDir, std::string("C:\\Program Files\\Quorvex"), DesktopDir + "\\Velocitrex.lnk",
                                    ProgramGroup}) {
        EXPECT_FALSE(machine.Exists(gone)) << gone;
    }
    EXPECT_TRUE(machine.Exists("C:\\Program Files"));
    EXPECT_FALSE(RegValueExists(RegRoot::LocalMachine, RunKey, "Velocitrex"));
    EXPECT_FALSE(RegKeyExists(RegRoot::LocalMachine, UninstallEntryKey));
    EXPECT_FALSE(machine.ProductKeyLeft());
    EXPECT_FALSE(RegKeyExists(RegRoot::LocalMachine, MakerKey));
}

void ExpectNothingRemoved(InstalledMachine& machine)
{
    for (std::string_view name : InstalledFiles) {
        EXPECT_TRUE(machine.Exists(InstallDir + "\\" + std::string(name))) << name;
    }
    EXPECT_TRUE(machine.Exists(ProgramGroup + "\\Uninstall.lnk"));
    EXPECT_TRUE(machine.Exists(DesktopDir + "\\Velocitrex.lnk"));
    EXPECT_TRUE(RegValueExists(RegRoot::LocalMachine, RunKey, "Velocitrex"));
    EXPECT_TRUE(RegKeyExists(RegRoot::LocalMachine, UninstallEntryKey));
    EXPECT_TRUE(RegKeyExists(RegRoot::LocalMachine, StoreKey));
    EXPECT_TRUE(machine.delayed.scheduled.empty());
    EXPECT_TRUE(machine.restart.Calls().empty());
}

TEST(Uninstall, AskedAndConfirmedPutsTheSettingsBackAndRemovesEverything)
{
    for (const MachineKind& kind : {Xp, Win98}) {
        SCOPED_TRACE(kind.fixture);
        InstalledMachine machine(kind);
        ASSERT_NE(machine.SystemNow(), machine.systemBefore);  // the tuning changed something
        for (MsgAnswer answer : {MsgAnswer::Yes, MsgAnswer::Ok, MsgAnswer::Yes}) {
            machine.messages.ScriptAnswer(answer);
        }
        EXPECT_EQ(machine.Run(UninstallMode::Interactive), UninstallResult::Removed);
        ExpectEverythingRemoved(machine);
        EXPECT_EQ(machine.Captions(), (std::vector<std::string>{std::string(AskRemove), std::string(Removed),
                                                                 std::string(AskRestart)}));
        for (const auto& box : machine.messages.Shown()) {
            EXPECT_EQ(box.caption, UninstallCaption);
        }
        EXPECT_FALSE(machine.restart.Calls().empty());
    }
}

TEST(Uninstall, DeclinedChangesNothing)
{
    InstalledMachine machine(Xp);
    const auto tuned = machine.SystemNow();
    machine.messages.ScriptAnswer(MsgAnswer::No);
    EXPECT_EQ(machine.Run(UninstallMode::Interactive), UninstallResult::Declined);
    EXPECT_EQ(machine.SystemNow(), tuned);
    ExpectNothingRemoved(machine);
}

TEST(Uninstall, NoRestartOfferWhenNoSettingWasChanged)
{
    InstalledMachine machine(Xp);
    machine.messages.ScriptAnswer(MsgAnswer::Yes);
    ASSERT_TRUE(UndoAppliedProfile());  // restored from the tray before
    EXPECT_EQ(machine.Run(UninstallMode::Interactive), UninstallResult::Removed);
    EXPECT_EQ(machine.Captions(), (std::vector<std::string>{std::string(AskRemove), std::string(Removed)}));
    EXPECT_TRUE(machine.restart.Calls().empty());
}

TEST(Uninstall, SilentAsksNothingAndDoesNotRestart)
{
    for (const MachineKind& kind : {Xp, Win98}) {
        SCOPED_TRACE(kind.fixture);
        InstalledMachine machine(kind);
        const UninstallResult result = machine.Run(UninstallMode::Silent);
        EXPECT_EQ(result, UninstallResult::Removed);
        EXPECT_EQ(ExitCode(result), 0);
        ExpectEverythingRemoved(machine);
        EXPECT_TRUE(machine.messages.Shown().empty());
        EXPECT_TRUE(machine.restart.Calls().empty());
    }
}

TEST(Uninstall, ARunningCopyIsClosedFirst)
{
    InstalledMachine machine(Xp);
    machine.windows_.Add("Velocitrex", {true, 3000});
    EXPECT_EQ(machine.Run(UninstallMode::Silent), UninstallResult::Removed);
    EXPECT_EQ(machine.windows_.ClosesPosted(), std::vector<std::string>{"Velocitrex"});
    EXPECT_GE(machine.Now(), 3000u);
    ExpectEverythingRemoved(machine);
}

TEST(Uninstall, ACopyThatDoesNotCloseWithinTenSecondsStopsIt)
{
    InstalledMachine machine(Xp);
    const auto tuned = machine.SystemNow();
    machine.windows_.Add("Velocitrex", {false, 0});
    machine.messages.ScriptAnswer(MsgAnswer::Yes);
    EXPECT_EQ(machine.Run(UninstallMode::Interactive), UninstallResult::ProgramStillRunning);
    EXPECT_GE(machine.Now(), CloseWaitMs);
    EXPECT_LT(machine.Now(), CloseWaitMs + 1000);
    EXPECT_EQ(machine.Captions().back(), StillRunning);
    EXPECT_EQ(machine.SystemNow(), tuned);
    ExpectNothingRemoved(machine);
}

TEST(Uninstall, SettingsThatCannotBePutBackKeepTheWholeProduct)
{
    for (const MachineKind& kind : {Xp, Win98}) {
        SCOPED_TRACE(kind.fixture);
        InstalledMachine machine(kind);
        GuardedRegistry guarded(machine.Registry());
        guarded.refuse = [](RegRoot, std::string_view path) {
            return ContainsNoCase(path, "Services\\TCPIP\\Parameters") || ContainsNoCase(path, "VxD\\MSTCP");
        };
        ScopedRegistryBackend scoped(guarded);
        machine.messages.ScriptAnswer(MsgAnswer::Yes);
        const UninstallResult result = machine.Run(UninstallMode::Interactive);
        EXPECT_EQ(result, UninstallResult::SettingsNotRestored);
        EXPECT_EQ(ExitCode(result), 1);
        EXPECT_EQ(machine.Captions().back(), SettingsNotRestored);
        ExpectNothingRemoved(machine);
        EXPECT_EQ(GetRegistryValue(RegRoot::LocalMachine, ProductKey, RegValueKind::String, "init").AsString(), "1");
    }
}

TEST(Uninstall, WithoutAdministratorRightsOnNtNothingChanges)
{
    InstalledMachine machine(Xp);
    const auto tuned = machine.SystemNow();
    GuardedRegistry guarded(machine.Registry());
    guarded.refuse = [](RegRoot root, std::string_view) { return root == RegRoot::LocalMachine; };
    ScopedRegistryBackend scoped(guarded);
    for (UninstallMode mode : {UninstallMode::Interactive, UninstallMode::Silent}) {
        machine.messages.Clear();
        const UninstallResult result = machine.Run(mode);
        EXPECT_EQ(result, UninstallResult::NotAdministrator);
        EXPECT_EQ(ExitCode(result), 1);
        EXPECT_EQ(machine.Captions(), mode == UninstallMode::Interactive
                                          ? std::vector<std::string>{std::string(NeedAdministrator)}
                                          : std::vector<std::string>{});
    }
    EXPECT_EQ(machine.SystemNow(), tuned);
    ExpectNothingRemoved(machine);
}

TEST(Uninstall, WhatTheUserAddedStays)
{
    InstalledMachine machine(Xp);
    machine.Write(InstallDir + "\\my notes.txt");
    machine.Write(ProgramGroup + "\\My Link.lnk");
    machine.MakeDirectories("C:\\Program Files\\Quorvex\\Other Tool");
    EXPECT_EQ(machine.Run(UninstallMode::Silent), UninstallResult::Removed);
    EXPECT_TRUE(machine.Exists(InstallDir + "\\my notes.txt"));
    EXPECT_FALSE(machine.Exists(InstallDir + "\\velocitrex.exe"));
    EXPECT_TRUE(machine.Exists(ProgramGroup + "\\My Link.lnk"));
    EXPECT_FALSE(machine.Exists(ProgramGroup + "\\Uninstall.lnk"));
    EXPECT_TRUE(machine.Exists("C:\\Program Files\\Quorvex\\Other Tool"));
}

TEST(Uninstall, TheMakerKeyStaysWhileItHoldsSomethingElse)
{
    struct Case {
        const char* what;
        std::function<void()> add;
        bool stays;
    } cases[] = {
        {"only the setup's values", [] {}, false},
        {"another product", [] { RegCreateKeyIfMissing(RegRoot::LocalMachine, "\\Software\\Quorvex\\Other"); }, true},
        {"a value of someone else",
         [] {
             SetRegistryValue(RegRoot::LocalMachine, MakerKey, true, RegistryValue::String("1"), "licence",
                              RegValueKind::String);
         },
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        InstalledMachine machine(Xp);
        c.add();
        EXPECT_EQ(machine.Run(UninstallMode::Silent), UninstallResult::Removed);
        EXPECT_EQ(RegKeyExists(RegRoot::LocalMachine, MakerKey), c.stays);
        EXPECT_FALSE(machine.ProductKeyLeft());
    }
}

TEST(Uninstall, ReadOnlyAndOldFilesGoToo)
{
    InstalledMachine machine(Xp);
    machine.Write(ProgramGroup + "\\VlxHelp.lnk");
    platform::Files().SetAttributes(InstallDir + "\\readme.txt", platform::FileAttribute::ReadOnly);
    EXPECT_EQ(machine.Run(UninstallMode::Silent), UninstallResult::Removed);
    ExpectEverythingRemoved(machine);
}

TEST(Uninstall, SchedulesItsOwnDeletionTheWayTheFamilyDoes)
{
    {
        InstalledMachine machine(Xp);
        EXPECT_EQ(machine.Run(UninstallMode::Silent), UninstallResult::Removed);
        EXPECT_EQ(machine.delayed.scheduled, std::vector<std::string>{Uninstaller});
        EXPECT_FALSE(machine.Exists(WindowsDir + "\\WININIT.INI"));
    }
    {
        InstalledMachine machine(Win98);
        machine.Write(WindowsDir + "\\WININIT.INI", "[rename]\r\nNUL=C:\\TEMP\\OTHER.TMP\r\n");
        EXPECT_EQ(machine.Run(UninstallMode::Silent), UninstallResult::Removed);
        EXPECT_TRUE(machine.delayed.scheduled.empty());
        EXPECT_EQ(platform::Files().ReadAll(WindowsDir + "\\WININIT.INI"),
                  "[rename]\r\nNUL=C:\\TEMP\\OTHER.TMP\r\nNUL=" + Uninstaller + "\r\n");
        EXPECT_TRUE(machine.Exists(Uninstaller));  // still running; Windows deletes it at the restart
    }
}

TEST(Uninstall, SilentExitCodeIsOneWhenAnythingStays)
{
    struct Case {
        const char* what;
        MachineKind kind;
        std::function<void(InstalledMachine&)> spoil;
        UninstallResult result;
    } cases[] = {
        {"nothing in the way", Xp, [](InstalledMachine&) {}, UninstallResult::Removed},
        {"an installed file cannot be deleted", Xp,
         [](InstalledMachine& m) {
             platform::Files().Delete(InstallDir + "\\vlxhelp.htm");
             m.MakeDirectories(InstallDir + "\\vlxhelp.htm\\locked");
         },
         UninstallResult::RemovedIncomplete},
        {"NT refuses the delayed delete", Xp, [](InstalledMachine& m) { m.delayed.refuse = true; },
         UninstallResult::RemovedIncomplete},
        {"WININIT.INI cannot be written", Win98,
         [](InstalledMachine& m) { m.MakeDirectories(WindowsDir + "\\WININIT.INI"); },
         UninstallResult::RemovedIncomplete},
        {"the program does not close", Xp, [](InstalledMachine& m) { m.windows_.Add("Velocitrex", {false, 0}); },
         UninstallResult::ProgramStillRunning},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        InstalledMachine machine(c.kind);
        c.spoil(machine);
        const UninstallResult result = machine.Run(UninstallMode::Silent);
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(ExitCode(result), c.result == UninstallResult::Removed ? 0 : 1);
        EXPECT_TRUE(machine.messages.Shown().empty());
    }
}

TEST(Uninstall, RemovedExceptNamesWhatStayed)
{
    InstalledMachine machine(Xp);
    machine.delayed.refuse = true;
    for (MsgAnswer answer : {MsgAnswer::Yes, MsgAnswer::Ok, MsgAnswer::No}) {
        machine.messages.ScriptAnswer(answer);
    }
    EXPECT_EQ(machine.Run(UninstallMode::Interactive), UninstallResult::RemovedIncomplete);
    ASSERT_GE(machine.messages.Shown().size(), 2u);
    EXPECT_EQ(machine.messages.Shown()[1].text, std::string(RemovedExceptItems) + "\r\n" + Uninstaller);
    EXPECT_TRUE(machine.restart.Calls().empty());
}

TEST(Uninstall, ModeComesFromTheFirstArgument)
{
    struct Case {
        std::vector<std::string> arguments;
        UninstallMode mode;
    } cases[] = {
        {{}, UninstallMode::Interactive},
        {{"/S"}, UninstallMode::Silent},
        {{"/s"}, UninstallMode::Silent},
        {{"/SILENT"}, UninstallMode::Interactive},
        {{"S"}, UninstallMode::Interactive},
        {{"x", "/S"}, UninstallMode::Interactive},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ModeFromArguments(c.arguments), c.mode) << ::testing::PrintToString(c.arguments);
    }
}

}  // namespace
}  // namespace vx::uninstall
