#include "dispatcher/TfrmMakeRegistryChanges.h"

#include "apps/velocitrex/art/Artwork.h"
#include "apps/velocitrex/art/Layout.h"
#include "dispatcher/ProgramState.h"
#include "dispatcher/WindowServices.h"
#include "engine/vxApplyProfile.h"
#include "platform/MessageBoxes.h"
#include "ui/Application.h"

namespace vx::dispatcher {

namespace ap = art::layout::apply;

namespace {

constexpr int FirstStep = 23;
constexpr int StepSize = 5;
constexpr int LastStep = 248;
constexpr int CapStartX = 40;
constexpr int RebootNowShownX = 33;
constexpr ui::Color ScreenRed = ui::Rgb(191, 0, 0);

ui::Font TextFont(const char* name, int points, bool bold)
{
    ui::Font font;
    font.name = name;
    font.SetSize(points);
    font.bold = bold;
    font.color = ui::clWhite;
    return font;
}

void PlaceLabel(ui::Label& label, const char* name, const art::Box& box, const char* caption)
{
    label.SetName(name);
    label.SetBounds(box.left, box.top, box.Width(), box.Height());
    label.SetCaption(caption);
    label.SetTransparent(true);
    label.SetAlignment(ui::Alignment::Center);
    label.SetFont(TextFont("Tahoma", 9, true));
}

}  // namespace

ApplyAnimation& ApplyState()
{
    static ApplyAnimation state;
    return state;
}

TfrmMakeRegistryChanges::TfrmMakeRegistryChanges()
{
    SetName("frmMakeRegistryChanges");
    SetCaption("Velocitrex is accelerating your system...");
    SetBorderStyle(ui::BorderStyle::None);
    SetClientSize(ap::Width, ap::Height);
    SetColor(ScreenRed);
    SetPosition(ui::FormPosition::ScreenCenter);
    PlasmaForm1.SetName("PlasmaForm1");
    PlasmaForm1.SetPicture(art::ApplyScreenBitmap());
    PlasmaForm1.Mask().Assign(art::ApplyScreenRegion());
    PlasmaForm1.SetMoveable(true);
    PlasmaForm1.Loaded();
    Build();
    tmrRedBar.SetName("tmrRedBar");
    tmrRedBar.SetInterval(45);
    tmrRedBar.SetEnabled(false);
    tmrRedBar.OnTimer = [this] { tmrRedBarTimer(); };
    tmrStayOnScreen.SetName("tmrStayOnScreen");
    tmrStayOnScreen.SetInterval(1500);
    tmrStayOnScreen.SetEnabled(false);
    tmrStayOnScreen.OnTimer = [this] { tmrStayOnScreenTimer(); };
    OnShow = [this] { FormShow(); };
}

void TfrmMakeRegistryChanges::Build()
{
    imgRedLeft.SetName("imgRedLeft");
    imgRedLeft.SetPicture(art::BarLeftBitmap());
    imgRedLeft.SetBounds(ap::BarLeft.left, ap::BarLeft.top, ap::BarLeft.Width(), ap::BarLeft.Height());
    imgRedLeft.SetVisible(false);
    for (int n = 2; n <= 9; ++n) {
        ui::Image& segment = imgRed[n - 2];
        const art::Box box = ap::BarSegment(n);
        segment.SetName("imgRed" + std::to_string(n));
        segment.SetPicture(art::BarSegmentBitmap());
        segment.SetBounds(box.left, box.top, box.Width(), box.Height());
        segment.SetVisible(false);
    }
    imgRedRight.SetName("imgRedRight");
    imgRedRight.SetPicture(art::BarCapBitmap());
    imgRedRight.SetBounds(CapStartX, ap::BarTop, 36, ap::BarHeight);
    imgRedRight.SetVisible(false);

    PlaceLabel(lblActionItem2, "lblActionItem2", ap::ProgressText, "");
    // Both prompt lines as wide as the progress text, on the same centre line
    // (x = 166), so that a wider substitute for Tahoma does not cut them.
    PlaceLabel(lblReboot1, "lblReboot1", art::Box::Sized(23, 112, 287, 14), "Velocitrex must reboot your system");
    lblReboot1.SetVisible(false);
    PlaceLabel(lblReboot2, "lblReboot2", art::Box::Sized(23, 127, 287, 14), "to lock in the changes.");
    lblReboot2.SetVisible(false);
    lblWebAddress.SetName("lblWebAddress");
    // Wide enough for the address in any system font.
    lblWebAddress.SetBounds(ap::WebAddress.left, ap::WebAddress.top, 150, ap::WebAddress.Height());
    lblWebAddress.SetCaption("www.quorvex.example");
    lblWebAddress.SetTransparent(true);
    lblWebAddress.SetFont(TextFont("MS Sans Serif", 8, false));

    for (widgets::TNvOS8PushButton* button : {&btnRebootNow, &btnRebootLater}) {
        button->SetBaseColor(ui::clBlack);
        ui::Font font = TextFont("Arial", 8, true);
        button->SetFont(font);
        button->SetVisible(false);
    }
    btnRebootNow.SetName("btnRebootNow");
    btnRebootNow.SetBounds(40, ap::RebootNow.top, ap::RebootNow.Width(), ap::RebootNow.Height());
    btnRebootNow.OnClick = [this] { btnRebootNowClick(); };
    btnRebootLater.SetName("btnRebootLater");
    btnRebootLater.SetBounds(ap::RebootLater.left, ap::RebootLater.top, ap::RebootLater.Width(),
                             ap::RebootLater.Height());
    btnRebootLater.OnClick = [this] { btnRebootLaterClick(); };
}

void TfrmMakeRegistryChanges::Prepare(ApplyMode mode)
{
    ApplyAnimation& state = ApplyState();
    state.mode = mode;
    lblActionItem2.SetCaption("Optimize Internet communication speed to your ISP");
    btnRebootNow.SetVisible(false);
    state.rightCapMoving = false;
    state.ProgressStep = FirstStep;
    imgRedLeft.SetVisible(true);
    for (ui::Image& segment : imgRed)
        segment.SetVisible(false);
    imgRedRight.SetBounds(imgRedLeft.Left() + 2, imgRedRight.Top(), imgRedRight.Width(), imgRedRight.Height());
    imgRedRight.SetVisible(true);
}

void TfrmMakeRegistryChanges::FormShow()
{
    tmrRedBar.SetEnabled(true);
    btnRebootLater.SetVisible(false);
}

void TfrmMakeRegistryChanges::tmrRedBarTimer()
{
    tmrRedBar.SetEnabled(false);
    ApplyAnimation& state = ApplyState();
    state.ProgressStep += StepSize;
    if (state.rightCapMoving)
        imgRedRight.SetBounds(imgRedRight.Left() + StepSize, imgRedRight.Top(), imgRedRight.Width(),
                              imgRedRight.Height());
    if (state.ProgressStep == LastStep) {
        AnimationEnded();
        return;
    }
    AnimationStep(state.ProgressStep);
    ui::LifeWatch alive = Life();
    ui::Application::Current().ProcessMessages();
    if (alive.Alive())
        tmrRedBar.SetEnabled(true);
}

void TfrmMakeRegistryChanges::AnimationStep(int step)
{
    auto text = [this](const char* caption) { lblActionItem2.SetCaption(caption); };
    auto segment = [this](int n) { imgRed[n - 2].SetVisible(true); };
    switch (step) {
    case 28:
        imgRedRight.SetVisible(true);
        imgRedLeft.SetVisible(true);
        ApplyState().rightCapMoving = true;
        text("Optimizing transfer speed to your ISP");
        break;
    case 48: segment(2); break;
    case 78:
        segment(3);
        text("Optimizing transfer speed from your ISP");
        break;
    case 98: segment(4); break;
    case 128:
        text("Optimizing handling of Internet delays");
        segment(5);
        break;
    case 148: segment(6); break;
    case 178:
        text("Avoiding slow sessions");
        segment(7);
        break;
    case 198: segment(8); break;
    case 223:
        text("Improving access to distant pages");
        segment(9);
        break;
    default: break;
    }
}

void TfrmMakeRegistryChanges::AnimationEnded()
{
    if (ApplyState().mode == ApplyMode::Apply) {
        refusedWrites_ = ApplyStoredProfile();
        if (refusedWrites_ > 0) {
            // Nothing took effect: no success text, no restart to offer.
            Program().changesPending = false;
            platform::ShowMessageBox({"Velocitrex could not change your network settings. Please log on as an "
                                      "administrator and try again.",
                                      "Information", platform::MsgIcon::Information, platform::MsgButtons::Ok});
            SetModalResult(ui::ModalResult::No);
            return;
        }
    }
    lblActionItem2.SetCaption("Your Internet connection is now accelerated !");
    tmrStayOnScreen.SetEnabled(true);
}

void TfrmMakeRegistryChanges::tmrStayOnScreenTimer()
{
    tmrStayOnScreen.SetEnabled(false);
    Program().changesMade = true;
    if (ApplyState().mode == ApplyMode::ShowOnly) {
        Hide();
        SetModalResult(ui::ModalResult::Yes);
        return;
    }
    lblActionItem2.SetVisible(false);
    lblReboot1.SetVisible(true);
    lblReboot2.SetVisible(true);
    btnRebootNow.SetCaption("Reboot Now");
    btnRebootNow.SetBounds(RebootNowShownX, btnRebootNow.Top(), btnRebootNow.Width(), btnRebootNow.Height());
    btnRebootNow.SetVisible(true);
    btnRebootLater.SetCaption("Reboot Later");
    btnRebootLater.SetEnabled(true);
    btnRebootLater.SetVisible(true);
}

void TfrmMakeRegistryChanges::btnRebootNowClick()
{
    PlaySoundCue(0);
    if (ApplyState().mode != ApplyMode::Apply)
        return;
    Program().changesPending = true;
    Program().rebootDeferred = false;
    SetModalResult(ui::ModalResult::Yes);
}

void TfrmMakeRegistryChanges::btnRebootLaterClick()
{
    PlaySoundCue(0);
    if (ApplyState().mode != ApplyMode::Apply)
        return;
    Program().changesPending = false;
    Program().rebootDeferred = true;
    SetModalResult(ui::ModalResult::No);
}

ui::ModalResult RunApplyScreen(ApplyMode mode)
{
    if (Program().applyScreen)
        return ui::ModalResult::No;
    SingleWindowReference reference(Program().applyScreen);
    auto screen = ui::MakeForm<TfrmMakeRegistryChanges>();
    reference.Hold(*screen);
    screen->Prepare(mode);
    return screen->ShowModal();
}

}  // namespace vx::dispatcher
