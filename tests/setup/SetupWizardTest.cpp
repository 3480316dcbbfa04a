// The whole setup program on the headless backend, driven as a person would:
// the running-copy check, the pages in order, Browse, Install and the
// completion panel, on a temporary drive C.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "common/RegistryCalls.h"
#include "platform/host/HostShell.h"
#include "platform/host/HostTopWindows.h"
#include "setup/ProductsPage.h"
#include "setup/forms/SetupForms.h"
#include "setup/forms/SetupProgram.h"
#include "setup/forms/suInstallOptions.h"
#include "ui/DirectoryList.h"
#include "ui/Edit.h"
#include "apps/vxSetup/art/SetupArt.h"
#include "ui/host/FormRenderer.h"
#ifdef _WIN32
#include "platform/win32/WinFileSystem.h"
#else
#include "platform/host/default/StdFileSystem.h"
#endif
#include "ui/host/HostBackend.h"
#include "ui/host/HostUser.h"
#include "tests/setup/InstallFixture.h"

namespace vx::setup {
namespace {

using platform::MsgAnswer;

constexpr const char* kVersionKey = "Software\\Microsoft\\Windows\\CurrentVersion";
constexpr const char* kDefaultDir = "C:\\Program Files\\Quorvex\\Velocitrex";

// Records which windows were shown and how modal runs ended.
class Transcript : public ui::HostListener {
public:
    explicit Transcript(ui::HostBackend& host) : host_(host) {}
    void FormShown(ui::Form& form) override
    {
        lines.push_back("show " + form.Caption());
        shownAt[form.Caption()] = host_.NowMs();
    }
    void ModalEnded(ui::Form& form, ui::ModalResult result) override
    {
        lines.push_back("end " + form.Caption() + " " + std::to_string(static_cast<int>(result)));
    }
    std::vector<std::string> lines;
    std::map<std::string, std::uint64_t> shownAt;

private:
    ui::HostBackend& host_;
};

class SetupWizard : public test::InstallFixture {
protected:
    SetupWizard()
    {
        registry_.Create(RegRoot::LocalMachine, kVersionKey).SetValue("ProgramFilesDir", RawValue::Text("C:\\Program Files"));
        SetShellFolder("Programs", "C:\\WINDOWS\\Start Menu\\Programs");
        host_.AddListener(transcript_);
        host_.SetScreenSize({800, 600});
    }

    // Runs the program with the script queued; returns its exit code.
    int Run(SetupPictures pictures = {})
    {
        return RunSetupProgram(app_, std::move(pictures));
    }
    // A scripted step once the page of this caption is active.
    void Then(std::function<void()> step, unsigned ms = 700) { host_.Then(ms, std::move(step)); }
    ui::Edit& EditNamed(const char* name) { return dynamic_cast<ui::Edit&>(user_.Find(name)); }
    bool Shown(const std::string& caption) const
    {
        return std::find(transcript_.lines.begin(), transcript_.lines.end(), "show " + caption) !=
               transcript_.lines.end();
    }
    std::vector<std::string> BoxTexts() const
    {
        std::vector<std::string> texts;
        for (const auto& box : host_.MessageBoxesShown())
            texts.push_back(box.request.caption + ": " + box.request.text);
        return texts;
    }
    std::string RegText(RegRoot root, std::string_view key, std::string_view name)
    {
        return GetRegistryValue(root, key, RegValueKind::String, name).AsString();
    }

    ui::HostBackend host_;
    ui::HostUser user_{host_};
    platform::HostTopWindows windows_{[this] { return host_.NowMs(); }};
    platform::ScopedService<platform::TopWindows> scopedWindows_{windows_};
    ui::Application app_{host_};
    Transcript transcript_{host_};
};

TEST_F(SetupWizard, AgreeKeepTheOptionsInstallAndClose)
{
    Then([&] { user_.Click("btnNext"); });  // I Agree
    Then([&] {
        EXPECT_EQ(EditNamed("edtDefaultInstallDirectory").Text(), kDefaultDir);
        user_.Click("btnNext");  // Install
    });
    Then([&] {
        EXPECT_TRUE(user_.CanReach(user_.Find("pnlInstallCompleted")));
        EXPECT_FALSE(user_.CanReach(*user_.Lookup("JLAqua2"))) << "the panel covers Browse";
        user_.Click("JLAqua1");  // Close on the panel
    });
    EXPECT_EQ(Run(), 0);
    EXPECT_EQ(Read(std::string(kDefaultDir) + "\\velocitrex.exe"), "new velocitrex.exe");
    EXPECT_EQ(Read("C:\\WINDOWS\\unvlx.exe"), "new unvlx.exe");
    EXPECT_EQ(RegText(RegRoot::LocalMachine, "\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Velocitrex",
                      "Displayname"),
              "Velocitrex");
    EXPECT_EQ(launcher_.Started(),
              (std::vector<std::string>{"\"C:\\Program Files\\Quorvex\\Velocitrex\\Velocitrex.exe\"",
                                        "\"C:\\WINDOWS\\notepad.exe\" \"C:\\Program Files\\Quorvex\\Velocitrex\\readme.txt\""}))
        << "the program first, then the notes";
    EXPECT_TRUE(BoxTexts().empty());
    EXPECT_TRUE(windows_.Searches().size() == 1 && windows_.Searches()[0] == "Velocitrex");
}

TEST_F(SetupWizard, TheLicencePageFollowsTheBackdropAfterHalfASecond)
{
    std::uint64_t shownAt = 0;
    Then([&] {
        shownAt = host_.NowMs();
        EXPECT_EQ(user_.ActiveForm().Caption(), "License Agreement & Disclaimer");
        user_.Click("JLAqua1");  // Cancel
    }, 600);
    EXPECT_EQ(Run(), 0);
    EXPECT_GE(shownAt, 500u);
    EXPECT_FALSE(Shown("Installation Options")) << "Cancel on the licence ends the setup";
    EXPECT_TRUE(Exists(std::string(kSource) + "velocitrex.exe"));
    EXPECT_FALSE(RegKeyExists(RegRoot::LocalMachine, "\\Software\\Microsoft\\Windows\\CurrentVersion\\Run"));
}

TEST_F(SetupWizard, ClosingTheOptionsPageInstallsNothing)
{
    Then([&] { user_.Click("btnNext"); });
    Then([&] { user_.Click("JLAqua3"); });
    EXPECT_EQ(Run(), 0);
    EXPECT_TRUE(Exists(std::string(kSource) + "velocitrex.exe"));
    EXPECT_FALSE(Exists(kDefaultDir));
}

TEST_F(SetupWizard, BrowseThenCancelKeepsTheDirectoryAndOkTakesTheTypedText)
{
    files_.MakeDirectory("C:\\Tools");
    Then([&] { user_.Click("btnNext"); });
    Then([&] { user_.Click("JLAqua2"); });  // Browse
    Then([&] {
        EXPECT_EQ(user_.ActiveForm().Caption(), "Installation Directory");
        EXPECT_EQ(EditNamed("Edit1").Text(), kDefaultDir);
        user_.Type("Edit1", "D:\\Elsewhere");
        user_.Click("JLAqua1");  // Cancel
    });
    Then([&] {
        EXPECT_EQ(EditNamed("edtDefaultInstallDirectory").Text(), kDefaultDir);
        user_.Click("JLAqua2");
    });
    Then([&] {
        user_.Type("Edit1", "C:\\Typed\\By Hand");
        user_.Click("btnNext");  // OK
    });
    Then([&] {
        EXPECT_EQ(EditNamed("edtDefaultInstallDirectory").Text(), "C:\\Typed\\By Hand");
        user_.Click("JLAqua3");
    });
    EXPECT_EQ(Run(), 0);
}

TEST_F(SetupWizard, PickingADirectoryAppendsTheProductFolder)
{
    files_.MakeDirectory("C:\\Tools");
    Then([&] { user_.Click("btnNext"); });
    Then([&] { user_.Click("JLAqua2"); });
    Then([&] {
        auto& list = dynamic_cast<ui::DirectoryList&>(user_.Find("DirectoryListBox1"));
        list.SetDirectory("C:\\Tools");
        EXPECT_EQ(EditNamed("Edit1").Text(), "C:\\Tools\\Quorvex\\Velocitrex");
        list.SetDirectory("C:\\");
        EXPECT_EQ(EditNamed("Edit1").Text(), "C:\\Quorvex\\Velocitrex");
        user_.Click("btnNext");
    });
    Then([&] {
        EXPECT_EQ(EditNamed("edtDefaultInstallDirectory").Text(), "C:\\Quorvex\\Velocitrex");
        user_.Click("JLAqua3");
    });
    EXPECT_EQ(Run(), 0);
}

TEST_F(SetupWizard, WithoutProgramFilesInEitherHiveTheDefaultIsTheBareFolder)
{
    registry_.Find(RegRoot::LocalMachine, kVersionKey)->RemoveValue("ProgramFilesDir");
    Then([&] { user_.Click("btnNext"); });
    Then([&] {
        EXPECT_EQ(EditNamed("edtDefaultInstallDirectory").Text(), "\\Quorvex\\Velocitrex");
        user_.Click("JLAqua3");
    });
    EXPECT_EQ(Run(), 0);
}

TEST_F(SetupWizard, AFailedInstallEndsTheSetupWithoutTheCompletionPanel)
{
    files_.Delete(std::string(kSource) + "readme.txt");
    host_.AnswerMessageBox(MsgAnswer::Ok);
    Then([&] { user_.Click("btnNext"); });
    Then([&] { user_.Click("btnNext"); });
    EXPECT_EQ(Run(), 1);
    ASSERT_EQ(host_.MessageBoxesShown().size(), 1u);
    EXPECT_EQ(host_.MessageBoxesShown()[0].request.caption, "Warning");
    EXPECT_TRUE(std::find(transcript_.lines.begin(), transcript_.lines.end(), "end Installation Options 3") !=
                transcript_.lines.end())
        << "the page ends with Abort";
    EXPECT_TRUE(Exists(std::string(kSource) + "velocitrex.exe")) << "the extraction directory stays complete";
    EXPECT_FALSE(RegKeyExists(RegRoot::LocalMachine, "\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Velocitrex"));
    EXPECT_FALSE(RegText(RegRoot::LocalMachine, "\\Software\\Microsoft\\Windows\\CurrentVersion\\Run", "Velocitrex").empty())
        << "the autostart entry comes before any check";
}

TEST_F(SetupWizard, TheProductsLinkOpensTheMakersPageForTheReseller)
{
    platform::HostShell shell;
    platform::ScopedService<platform::Shell> scopedShell(shell);
    files_.WriteAll(std::string(kSource) + "Reseller.txt", "4711\r\n");
    Then([&] { user_.Click("btnNext"); });
    Then([&] {
        user_.Click("lblQuorvexProducts");
        user_.Click("JLAqua3");
    });
    EXPECT_EQ(Run(), 0);
    ASSERT_EQ(shell.Requests().size(), 1u);
    EXPECT_EQ(shell.Requests()[0].target, ProductsPageAddress(4711));
}

TEST_F(SetupWizard, UntickedCompletionOptionsStartNothing)
{
    Then([&] { user_.Click("btnNext"); });
    Then([&] {
        user_.Click("cbxAddIcon");
        user_.Click("Label6");  // the caption toggles its box too
        user_.Click("btnNext");
    });
    Then([&] {
        user_.Click("cboxRunNow");
        user_.Click("cboxViewNotes");
        user_.Click("JLAqua1");
    });
    EXPECT_EQ(Run(), 0);
    EXPECT_TRUE(launcher_.Started().empty());
    EXPECT_FALSE(Exists("C:\\WINDOWS\\Desktop\\Velocitrex.lnk"));
    EXPECT_FALSE(Exists("C:\\WINDOWS\\Start Menu\\Programs\\Velocitrex"));
}

TEST_F(SetupWizard, ARunningCopyClosedOnRequestIsWaitedFor)
{
    windows_.Add("Velocitrex", {true, 3000});
    host_.AnswerMessageBox(MsgAnswer::Yes, 100);
    Then([&] { user_.Click("JLAqua1"); }, 5000);
    EXPECT_EQ(Run(), 0);
    ASSERT_EQ(BoxTexts().size(), 1u);
    EXPECT_EQ(BoxTexts()[0], "Information: There is another version of this program already running on your "
                             "system.\r\rDo you want us to close it for you ? ");
    EXPECT_EQ(windows_.ClosesPosted(), std::vector<std::string>{"Velocitrex"});
    ASSERT_TRUE(Shown("License Agreement & Disclaimer"));
    EXPECT_GE(transcript_.shownAt["License Agreement & Disclaimer"], 3000u) << "not before the copy has ended";
}

TEST_F(SetupWizard, ARunningCopyThatStaysEndsTheSetupBeforeTheLicence)
{
    windows_.Add("Velocitrex", {false, 0});
    host_.AnswerMessageBox(MsgAnswer::Yes);
    host_.AnswerMessageBox(MsgAnswer::Ok);
    EXPECT_EQ(Run(), 0);
    ASSERT_EQ(BoxTexts().size(), 2u);
    EXPECT_EQ(BoxTexts()[1], "Error: Velocitrex is still running. Please close it and run Setup again.");
    EXPECT_FALSE(Shown("License Agreement & Disclaimer"));
    EXPECT_GE(host_.NowMs(), 10000u);
}

TEST_F(SetupWizard, DecliningToCloseTheRunningCopyShowsNoPage)
{
    windows_.Add("Velocitrex");
    host_.AnswerMessageBox(MsgAnswer::No);
    host_.AnswerMessageBox(MsgAnswer::Ok);
    EXPECT_EQ(Run(), 0);
    ASSERT_EQ(BoxTexts().size(), 2u);
    EXPECT_EQ(BoxTexts()[1], "Error: Please run the Setup program again when you have closed the program.");
    EXPECT_TRUE(windows_.ClosesPosted().empty());
    EXPECT_FALSE(Shown("License Agreement & Disclaimer"));
}

TEST_F(SetupWizard, WithoutAdministratorRightsNothingIsShownOrWritten)
{
    registry_.SetReadOnly(true);
    host_.AnswerMessageBox(MsgAnswer::Ok);
    EXPECT_EQ(Run(), 1);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Error: Velocitrex Setup needs administrator rights. Please log "
                                                   "on as an administrator and run Setup again."});
    EXPECT_TRUE(transcript_.lines.empty());
}

// Every stage on the screen, with the real artwork, into build/screens/setup/ for
// looking at; each picture must show the page's banner.
TEST_F(SetupWizard, ScreensOfEveryStage)
{
    const std::string directory = std::string(VX_SOURCE_DIR) + "/build/screens/setup";
    std::vector<std::string> saved;
    const auto shoot = [&](const char* name) {
        const ui::Bitmap screen = ui::RenderScreen(host_);
        // The pictures go to the real disk, not to the test's drive C.
#ifdef _WIN32
        platform::WinFileSystem disk;
#else
        platform::StdFileSystem disk;
#endif
        platform::ScopedService<platform::FileSystem> onDisk(disk);
        saved.push_back(ui::SaveRendering(screen, directory, name));
        EXPECT_FALSE(saved.back().empty()) << name;
    };
    host_.At(200, [&] { shoot("0-backdrop"); });
    Then([&] { shoot("1-licence"); user_.Click("btnNext"); });
    Then([&] { shoot("2-options"); user_.Click("JLAqua2"); });
    Then([&] { shoot("3-directory"); user_.Click("JLAqua1"); });
    Then([&] { user_.Click("btnNext"); });
    Then([&] { shoot("4-completed"); user_.Click("JLAqua1"); });
    EXPECT_EQ(Run(art::SetupPictures()), 0);
    EXPECT_EQ(saved.size(), 5u);
}

}  // namespace
}  // namespace vx::setup
