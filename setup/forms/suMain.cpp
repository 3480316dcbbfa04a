#include "setup/forms/suMain.h"

#include "platform/MessageBoxes.h"
#include "setup/SetupState.h"
#include "setup/forms/SetupForms.h"
#include "setup/forms/suInstallOptions.h"
#include "setup/forms/suLicense.h"
#include "ui/Application.h"
#include "ui/Backend.h"

namespace vx::setup {
namespace {

using platform::MsgAnswer;
using platform::MsgButtons;
using platform::MsgIcon;

}  // namespace

TfrmMain::TfrmMain()
{
    SetName("frmMain");
    SetCaption("Setup");
    SetWindowState(ui::WindowState::Maximized);
    SetColor(ui::Rgb(0, 64, 128));
    lblSetupText.SetName("lblSetupText");
    lblSetupText.SetBounds(16, 8, 630, 49);
    tmrStartInstall.SetName("tmrStartInstall");
    tmrStartInstall.SetInterval(500);
    tmrStartInstall.SetEnabled(false);
    tmrStartInstall.OnTimer = [this] { tmrStartInstallTimer(); };
    OnCreate = [this] { FormCreate(); };
    OnShow = [this] { FormShow(); };
    OnClose = [this](ui::CloseAction& action) { FormClose(action); };
}

void TfrmMain::FormCreate()
{
    if (!CheckRunningCopy())
        return;
    // Laid out for 120 pixels per inch, unscaled; borderless and maximised, the
    // backdrop covers the screen.
    SetBorderStyle(ui::BorderStyle::None);
    // The screen's size as well, for a window system that does not maximise a
    // borderless window (Wine without a window manager leaves it 1 x 1).
    const ui::Size screen = ui::Application::Current().GetBackend().ScreenSize();
    SetBounds(0, 0, screen.cx, screen.cy);
    lblSetupText.SetCaption("Velocitrex Installation Program");
}

// False when the user keeps the running copy: the setup then ends at show.
bool TfrmMain::CheckRunningCopy()
{
    platform::TopWindows& windows = platform::CurrentTopWindows();
    const std::optional<platform::WindowId> running = windows.FindByTitle("Velocitrex");
    if (!running)
        return true;
    const MsgAnswer answer = platform::ShowMessageBox(
        {"There is another version of this program already running on your system.\r\rDo you want us to close it "
         "for you ? ",
         "Information", MsgIcon::Information, MsgButtons::YesNo});
    if (answer == MsgAnswer::Yes) {
        windows.PostClose(*running);
        closingCopy_ = running;
        return true;
    }
    platform::ShowMessageBox({"Please run the Setup program again when you have closed the program.", "Error",
                              MsgIcon::Information, MsgButtons::Ok});
    setupState.quitAtShow = true;
    return false;
}

// The copy asked to close must be gone before its files are replaced.
bool TfrmMain::RunningCopyEnded()
{
    if (!closingCopy_)
        return true;
    ui::Application& app = ui::Application::Current();
    const bool gone =
        platform::WaitUntilWindowGone(platform::CurrentTopWindows(), *closingCopy_, RunningCopyWaitMs,
                                      platform::LoopHooks(app));
    closingCopy_.reset();
    if (!gone)
        platform::ShowMessageBox({"Velocitrex is still running. Please close it and run Setup again.", "Error",
                                  MsgIcon::Error, MsgButtons::Ok});
    return gone;
}

void TfrmMain::FormShow()
{
    if (setupState.quitAtShow) {
        ui::Application::Current().Terminate();
        return;
    }
    tmrStartInstall.SetEnabled(true);
}

void TfrmMain::tmrStartInstallTimer()
{
    tmrStartInstall.SetEnabled(false);
    SetupForms& forms = CurrentSetupForms();
    if (RunningCopyEnded() && forms.license->ShowModal() == ui::ModalResult::Ok)
        forms.options->ShowModal();
    Close();
}

void TfrmMain::FormClose(ui::CloseAction&)
{
    SetWindowState(ui::WindowState::Normal);
    tmrStartInstall.SetEnabled(false);
}

}  // namespace vx::setup
