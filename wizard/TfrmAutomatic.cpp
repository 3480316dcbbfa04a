#include "wizard/TfrmAutomatic.h"

#include "apps/velocitrex/art/Artwork.h"
#include "apps/velocitrex/art/Layout.h"
#include "dispatcher/ProgramState.h"
#include "dispatcher/WindowServices.h"
#include "engine/vxAutomaticProfile.h"
#include "ui/Application.h"
#include "wizard/WizardFrame.h"
#include "wizard/WizardState.h"

namespace vx::wizard {

namespace wz = art::layout::wizard;
namespace st = art::layout::steps;

using dispatcher::PauseQuarterSeconds;
using dispatcher::PlaySoundCue;
using dispatcher::Program;

namespace {

struct Step {
    const char* bullet;
    const char* check;
    const char* caption;
};
constexpr Step Steps[6] = {
    {"btnMaxMTU", "cbxMaxMTU", "Optimizing Internet communication speed to your ISP"},
    {"btnRWin", "cbxRWin", "Optimizing Internet communication speed from your ISP"},
    {"btnNDICache", "cbxNDICache", "Optimizing handling of Internet delays"},
    {"btnPMTU", "cbxPMTU", "Avoiding slow sessions caused by nonstandard Internet hosts"},
    {"btnTTL", "cbxTTL", "Increasing resistance to page loading errors"},
    {"btnKeepalive", "cbxKeepalive", "Increasing resistance to timing out during a long download session."},
};

constexpr ui::Color Silver = ui::Rgb(192, 192, 192);
constexpr ui::Color StepText = ui::Rgb(20, 30, 80);

}  // namespace

TfrmAutomatic::TfrmAutomatic(ui::Form& mainWindow) : mainWindow_(mainWindow)
{
    SetName("frmAutomatic");
    SetCaption("Velocitrex - Automatic");
    ShapeWindow(*this, PlasmaForm1, art::AutomaticPageBitmap(), wz::AutomaticWidth, wz::Height);
    Build();
    BuildSteps();
    tmrDelayCheckboxes.SetName("tmrDelayCheckboxes");
    tmrDelayCheckboxes.SetInterval(500);
    tmrDelayCheckboxes.SetEnabled(false);
    tmrDelayCheckboxes.OnTimer = [this] { tmrDelayCheckboxesTimer(); };
    tmrDelayClose.SetName("tmrDelayClose");
    tmrDelayClose.SetInterval(600);
    tmrDelayClose.SetEnabled(false);
    tmrDelayClose.OnTimer = [this] {
        tmrDelayClose.SetEnabled(false);
        SetModalResult(ui::ModalResult::No);
    };
    OnShow = [this] { FormShow(); };
    OnClose = [this](ui::CloseAction&) { FormClose(); };
}

void TfrmAutomatic::Build()
{
    btnExxit.SetName("btnExxit");
    StyleExit(btnExxit);
    Place(btnExxit, wz::Exit);
    btnExxit.OnClick = [this] { btnCloseClick(); };

    const std::pair<widgets::TNvOS8PushButton*, const char*> names[] = {{&NvOS8PushButton5, "NvOS8PushButton5"},
                                                                       {&NvOS8PushButton1, "NvOS8PushButton1"},
                                                                       {&NvOS8PushButton2, "NvOS8PushButton2"},
                                                                       {&NvOS8PushButton3, "NvOS8PushButton3"}};
    for (const auto& [button, name] : names)
        button->SetName(name);
    StyleColumnButton(NvOS8PushButton5, "Velocitrex!");
    Place(NvOS8PushButton5, wz::VelocitrexButton);
    StyleColumnButton(NvOS8PushButton1, "Update");
    Place(NvOS8PushButton1, wz::UpdateButton);
    NvOS8PushButton1.SetEnabled(false);
    StyleColumnButton(NvOS8PushButton2, "Help");
    Place(NvOS8PushButton2, wz::HelpButton);
    NvOS8PushButton2.OnClick = [] {
        PlaySoundCue(0);
        OpenHelpPage();
    };
    StyleColumnButton(NvOS8PushButton3, "Close");
    Place(NvOS8PushButton3, wz::CloseButton);
    NvOS8PushButton3.OnClick = [this] { btnCloseClick(); };

    btnNext.SetName("btnNext");
    StyleAqua(btnNext, "Cancel", art::FooterColor);
    Place(btnNext, wz::CancelButton);
    btnNext.OnClick = [this] { btnCancelClick(); };
    JLAqua2.SetName("JLAqua2");
    StyleAqua(JLAqua2, "Velocitrex Me!", art::FooterColor);
    Place(JLAqua2, wz::VelocitrexMeButton);
    JLAqua2.OnClick = [this] { btnVelocitrexMeClick(); };

    btnVelocitrexMe.SetName("btnVelocitrexMe");
    StyleColumnButton(btnVelocitrexMe, "Velocitrex Me !");
    Place(btnVelocitrexMe, wz::HiddenApplyButton);
    btnVelocitrexMe.OnClick = [this] { btnVelocitrexMeClick(); };
    btnMinimize.SetName("btnMinimize");
    StyleColumnButton(btnMinimize, "_");
    Place(btnMinimize, wz::MinimizeButton);
    btnMinimize.SetVisible(false);
    btnMinimize.OnClick = [this] { btnMinimizeClick(); };
}

void TfrmAutomatic::BuildSteps()
{
    Panel1.SetName("Panel1");
    StyleWhitePanel(Panel1);
    Place(Panel1, wz::Content);
    lblWaitToPress.SetName("lblWaitToPress");
    lblWaitToPress.SetCaption("Preparing your system for acceleration... Please wait...");
    lblWaitToPress.SetTransparent(true);
    Place(lblWaitToPress, st::WaitNote);

    bulletBackground_.Gradient().SetFillStyle(widgets::TAHMFillStyle::Circle);
    bulletBackground_.Gradient().SetBeginColor(ui::clWhite);
    bulletBackground_.Gradient().SetEndColor(ui::Rgb(191, 0, 0));
    bulletBackground_.Gradient().SetColorCount(16);
    for (int i = 0; i < 6; ++i) {
        widgets::TAHMRoundButton& bullet = bullets[i];
        bullet.SetName(Steps[i].bullet);
        bullet.SetBackground(&bulletBackground_);
        bullet.SetEnabled(false);
        bullet.SetVisible(false);
        Place(bullet, st::Bullet(i));
        widgets::TAHMCheckbox& check = checks[i];
        check.SetName(Steps[i].check);
        check.SetCaption(Steps[i].caption);
        check.SetColor(ui::clWhite);
        check.SetFont(BoldFont("MS Sans Serif", 8, StepText));
        check.SetVisible(false);
        Place(check, st::Check(i));
    }

    lblReadyToGo.SetName("lblReadyToGo");
    lblReadyToGo.SetCaption(
        "Your system is now ready to be accelerated !\rPlease press the \"Velocitrex Me\" button now.");
    lblReadyToGo.SetAlignment(ui::Alignment::Center);
    lblReadyToGo.SetWordWrap(true);
    lblReadyToGo.SetTransparent(true);
    lblReadyToGo.SetVisible(false);
    Place(lblReadyToGo, st::ReadyNote);
}

void TfrmAutomatic::FormShow()
{
    SetBounds(mainWindow_.Left(), mainWindow_.Top(), Width(), Height());
    lblWaitToPress.SetVisible(true);
    PlaySoundCue(0);
    tmrDelayCheckboxes.SetEnabled(true);
    SetApplyButtons(false);
    preparationCancelled_ = false;
}

void TfrmAutomatic::FormClose()
{
    preparationCancelled_ = true;
    if (GetModalResult() != ui::ModalResult::Yes && GetModalResult() != ui::ModalResult::Retry)
        SetModalResult(ui::ModalResult::No);
}

void TfrmAutomatic::SetApplyButtons(bool enabled)
{
    JLAqua2.SetEnabled(enabled);
    btnVelocitrexMe.SetEnabled(enabled);
    ui::Font font = btnVelocitrexMe.GetFont();
    font.color = enabled ? ui::clWhite : Silver;
    btnVelocitrexMe.SetFont(font);
}

void TfrmAutomatic::tmrDelayCheckboxesTimer()
{
    tmrDelayCheckboxes.SetEnabled(false);
    ui::LifeWatch alive = Life();
    ResetSteps();
    for (int step = 0; step < 6; ++step) {
        if (!RevealStep(step, true) || !alive.Alive())
            return;
    }
    lblWaitToPress.SetVisible(false);
    lblReadyToGo.SetVisible(true);
    JLAqua2.SetVisible(true);
    btnVelocitrexMe.SetVisible(true);
    SetApplyButtons(true);
    Wizard().connectionType = StoreAutomaticProfile();
    Program().changesMade = false;
}

void TfrmAutomatic::ResetSteps()
{
    for (int i = 0; i < 6; ++i) {
        checks[i].SetChecked(false);
        ui::Font font = checks[i].GetFont();
        font.bold = false;
        checks[i].SetFont(font);
        checks[i].SetVisible(false);
        bullets[i].SetVisible(false);
    }
    lblReadyToGo.SetVisible(false);
}

bool TfrmAutomatic::RevealStep(int step, bool tick)
{
    if (preparationCancelled_)
        return false;
    ui::LifeWatch alive = Life();
    checks[step].SetVisible(true);
    checks[step].Repaint();
    PauseQuarterSeconds(6);
    if (!alive.Alive())
        return false;
    checks[step].SetChecked(tick);
    ui::Font font = checks[step].GetFont();
    font.bold = true;
    checks[step].SetFont(font);
    bullets[step].SetVisible(true);
    PlaySoundCue(0);
    PauseQuarterSeconds(2);
    return alive.Alive();
}

void TfrmAutomatic::btnVelocitrexMeClick()
{
    Program().changesPending = true;
    PlaySoundCue(0);
    SetModalResult(ui::ModalResult::Yes);
}

void TfrmAutomatic::btnCancelClick()
{
    tmrDelayCheckboxes.SetEnabled(false);
    PlaySoundCue(0);
    preparationCancelled_ = true;
    Program().changesPending = false;
    ui::Application::Current().ProcessMessages();
    tmrDelayClose.SetEnabled(true);
}

void TfrmAutomatic::btnCloseClick()
{
    PlaySoundCue(0);
    // After No the sequence goes on: the page is cancelled only when the program ends.
    QuitFromWizard([this] { preparationCancelled_ = true; });
}

void TfrmAutomatic::btnMinimizeClick()
{
    PlaySoundCue(0);
    SetModalResult(ui::ModalResult::Retry);
}

}  // namespace vx::wizard
