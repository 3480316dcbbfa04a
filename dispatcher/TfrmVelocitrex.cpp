#include "dispatcher/TfrmVelocitrex.h"

#include "apps/velocitrex/art/Artwork.h"
#include "dispatcher/MachineIdentity.h"
#include "dispatcher/PartnerValues.h"
#include "dispatcher/ProgramState.h"
#include "dispatcher/TfrmAbout.h"
#include "dispatcher/TfrmMakeRegistryChanges.h"
#include "dispatcher/WindowServices.h"
#include "engine/vxApplyProfile.h"
#include "engine/vxJournalListing.h"
#include "platform/MessageBoxes.h"
#include "platform/TopWindows.h"
#include "ui/Application.h"
#include "widgets/TickSound.h"
#include "wizard/Tfrm2002Main.h"

namespace vx::dispatcher {

namespace {

constexpr unsigned RestartFlags = 2;  // EWX_REBOOT
constexpr int OffScreenLeft = 7000;

bool AskYesNo(const char* text)
{
    return platform::ShowMessageBox({text, "Information", platform::MsgIcon::Question, platform::MsgButtons::YesNo}) ==
           platform::MsgAnswer::Yes;
}

}  // namespace

TfrmVelocitrex::TfrmVelocitrex(std::vector<std::string> args, wizard::Tfrm2002Main*& mainWindow)
    : args_(std::move(args)), mainWindow_(mainWindow)
{
    SetName("frmVelocitrex");
    SetCaption("VelocDispatcher");
    SetBorderStyle(ui::BorderStyle::None);
    SetTitleButtons(false);
    SetBounds(OffScreenLeft, 0, 120, 40);

    QV95TrayIcon1.SetIcon(art::TrayIconBitmap());
    QV95TrayIcon1.OnDblClick = [this] { ShowMainWindow(); };
    QV95TrayIcon1.SetPopupMenu(&popIcon);
    tmrDelayHide.SetName("tmrDelayHide");
    tmrDelayHide.SetInterval(300);
    tmrDelayHide.SetEnabled(false);
    tmrDelayHide.OnTimer = [this] {
        tmrDelayHide.SetEnabled(false);
        Hide();
    };
    widgets::TAHMInternalWave& tick = AHMWaveHolder1.AddInternal();
    tick.SetWave(widgets::TickWaveName);
    tick.SetFileContents(widgets::MakeTickWave());
    tick.SetLooped(false);
    tick.SetAsynchronous(true);
    AHMHint1.SetHintPauseTime(600);
    BuildMenu();

    Program().sounds = &AHMWaveHolder1;
    Program().trayIcon = &QV95TrayIcon1;
    OnCreate = [this] { FormCreate(); };
    OnShow = [this] { FormShow(); };
}

TfrmVelocitrex::~TfrmVelocitrex()
{
    Program().sounds = nullptr;
    Program().trayIcon = nullptr;
}

void TfrmVelocitrex::BuildMenu()
{
    popIcon.SetName("popIcon");
    struct Item {
        ui::MenuItem& item;
        const char* name;
        const char* caption;
    };
    const Item items[] = {
        {mnuChangeSettings, "mnuChangeSettings", "Change &Settings in Velocitrex"},
        {RebootMySystemToLockInTheChanges1, "RebootMySystemToLockInTheChanges1",
         "&Reboot My System To Lock In The Changes"},
        {About1, "About1", "&About"},
        {mnuRestoreOriginal, "mnuRestoreOriginal", "Restore &Original Settings"},
        {mnuClose, "mnuClose", "&Close"},
        {N3, "N3", "-"},
        {Mycomputernameis1, "Mycomputernameis1", "My computer name is: "},
        {IPaddressis1, "IPaddressis1", "My IP address is: "},
    };
    for (const Item& entry : items) {
        entry.item.SetName(entry.name);
        entry.item.SetCaption(entry.caption);
    }
    RebootMySystemToLockInTheChanges1.SetVisible(false);
    mnuChangeSettings.OnClick = [this] { ShowMainWindow(); };
    RebootMySystemToLockInTheChanges1.OnClick = [this] {
        PlaySoundCue(0);
        WinReboot1.RestartWindows(RestartFlags);
    };
    About1.OnClick = [] { ShowAboutBox(); };
    mnuRestoreOriginal.OnClick = [this] { mnuRestoreOriginalClick(); };
    mnuClose.OnClick = [] { CloseProgram(); };
}

void TfrmVelocitrex::FormCreate()
{
    SetBounds(OffScreenLeft, Top(), Width(), Height());
    Program().applyScreen = nullptr;
    Program().aboutBox = nullptr;
    Program().advancedPage = nullptr;
    Mycomputernameis1.SetCaption("My computer name is: " + GetComputerNameText());
    IPaddressis1.SetCaption("My IP address is: " + GetLocalIpAddressText());
    LoadPartnerValues();
    ui::Application::Current().SetHintHidePause(3500);
}

void TfrmVelocitrex::FormShow()
{
    if (IsAnotherInstanceRunning()) {
        ui::Application::Current().Terminate();
        ui::Application::Current().ProcessMessages();
        return;
    }
    if (!args_.empty() && args_.front() == "/S" && !QV95TrayIcon1.Active()) {
        RunApplyScreen(ApplyMode::ShowOnly);
        GoToTray();
        return;
    }
    ShowMainWindow();
}

bool TfrmVelocitrex::IsAnotherInstanceRunning()
{
    ui::Application& app = ui::Application::Current();
    SetCaption("Speedup");
    app.SetTitle("Multiple Instances");
    app.ProcessMessages();
    const bool found = platform::CurrentTopWindows().FindByTitle("Velocitrex").has_value();
    SetCaption("VelocDispatcher");
    app.SetTitle("Velocitrex");
    app.ProcessMessages();
    return found;
}

bool TfrmVelocitrex::BringOpenWizardToFront()
{
    if (!mainWindow_ || !mainWindow_->IsModal())
        return false;
    // The page that runs in the main window's place is the one to see.
    for (ui::Form* page : {Program().automaticPage, Program().advancedPage})
        if (page && page->Visible()) {
            page->Show();
            return true;
        }
    if (mainWindow_->Visible())
        mainWindow_->Show();
    return true;
}

void TfrmVelocitrex::ShowMainWindow()
{
    if (!mainWindow_ || BringOpenWizardToFront())
        return;
    const ui::ModalResult result = mainWindow_->ShowModal();
    if (result == ui::ModalResult::Yes) {
        ApplyAndOfferRestart();
        return;
    }
    if (result == ui::ModalResult::Retry) {
        GoToTray();
        return;
    }
    if (ui::Application::Current().Terminated())
        return;
    // Closed some other way with new settings stored: a restart is offered, not forced.
    if (Program().changesPending &&
        AskYesNo("Windows must restart for the new settings to take effect. Restart now ?")) {
        RestartAndEnd();
        return;
    }
    GoToTray();
}

void TfrmVelocitrex::ApplyAndOfferRestart()
{
    if (RunApplyScreen(ApplyMode::Apply) == ui::ModalResult::Yes) {
        RestartAndEnd();
        return;
    }
    if (!ui::Application::Current().Terminated())
        GoToTray();
}

void TfrmVelocitrex::RestartAndEnd()
{
    WinReboot1.RestartWindows(RestartFlags);
    CloseProgram();
}

void TfrmVelocitrex::GoToTray()
{
    if (Program().changesPending || Program().rebootDeferred)
        RebootMySystemToLockInTheChanges1.SetVisible(true);
    RefreshRestoreItem();
    QV95TrayIcon1.SetActive(true);
    ui::Application::Current().ProcessMessages();
    tmrDelayHide.SetEnabled(true);
}

void TfrmVelocitrex::RefreshRestoreItem()
{
    mnuRestoreOriginal.SetEnabled(!ReadJournal().empty());
}

void TfrmVelocitrex::mnuRestoreOriginalClick()
{
    if (!AskYesNo("Velocitrex will put back the network settings that were in place before it first changed them. "
                  "Continue ?"))
        return;
    const bool restored = UndoAppliedProfile();
    RefreshRestoreItem();
    if (!restored) {
        platform::ShowMessageBox({"Some settings could not be put back. They stay recorded, so you can try again.",
                                  "Information", platform::MsgIcon::Information, platform::MsgButtons::Ok});
        // What was put back still needs the restart.
        Program().rebootDeferred = true;
        RebootMySystemToLockInTheChanges1.SetVisible(true);
        return;
    }
    if (AskYesNo("Windows must restart for the original settings to take effect. Restart now ?")) {
        PlaySoundCue(0);
        RestartAndEnd();
        return;
    }
    Program().changesPending = false;
    Program().rebootDeferred = true;
    RebootMySystemToLockInTheChanges1.SetVisible(true);
}

}  // namespace vx::dispatcher
