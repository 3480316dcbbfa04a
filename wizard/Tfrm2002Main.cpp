#include "wizard/Tfrm2002Main.h"

#include <utility>

#include "apps/velocitrex/art/Artwork.h"
#include "apps/velocitrex/art/Layout.h"
#include "common/PlatformKind.h"
#include "dispatcher/DispPage.h"
#include "dispatcher/ProgramState.h"
#include "dispatcher/WindowServices.h"
#include "engine/vxPreferences.h"
#include "platform/MessageBoxes.h"
#include "platform/Shell.h"
#include "ui/Application.h"
#include "wizard/TfrmAdvanced.h"
#include "wizard/TfrmAutomatic.h"
#include "wizard/WizardFrame.h"
#include "wizard/WizardState.h"

namespace vx::wizard {

namespace wz = art::layout::wizard;
namespace pn = art::layout::panels;

using dispatcher::PlaySoundCue;
using dispatcher::Program;

constexpr const char* HomePage = "http://www.quorvex.example/";
constexpr ui::Color Green = ui::Rgb(0, 255, 0);

void SetTextColor(ui::Control& control, ui::Color color)
{
    ui::Font font = control.GetFont();
    font.color = color;
    control.SetFont(font);
}

Tfrm2002Main::Tfrm2002Main()
{
    SetName("frm2002Main");
    SetCaption("Velocitrex - The full-featured Internet and LAN acceleration tool");
    SetPosition(ui::FormPosition::ScreenCenter);
    ShapeWindow(*this, PlasmaForm1, art::MainWindowBitmap(), wz::Width, wz::Height);
    Build();
    BuildPanels();
    OnCreate = [this] { FormCreate(); };
    OnShow = [this] { FormShow(); };
}

void Tfrm2002Main::Build()
{
    imgLogo.SetName("imgLogo");
    imgLogo.SetPicture(art::LogoBitmap());
    Place(imgLogo, wz::Logo);

    JLAqua4.SetName("JLAqua4");
    StyleAqua(JLAqua4, "Other Quorvex Products", art::HeaderColor);
    Place(JLAqua4, wz::OtherProducts);
    JLAqua4.OnClick = [] { platform::ShellOpen(HomePage); };

    btnExxit.SetName("btnExxit");
    StyleExit(btnExxit);
    Place(btnExxit, wz::Exit);
    btnExxit.OnClick = [this] { btnCloseClick(); };

    const std::pair<widgets::TNvOS8PushButton*, std::pair<const char*, art::Box>> column[] = {
        {&NvOS8PushButton5, {"Velocitrex!", wz::VelocitrexButton}},
        {&NvOS8PushButton1, {"Update", wz::UpdateButton}},
        {&NvOS8PushButton2, {"Help", wz::HelpButton}},
        {&NvOS8PushButton3, {"Close", wz::CloseButton}},
    };
    const char* names[] = {"NvOS8PushButton5", "NvOS8PushButton1", "NvOS8PushButton2", "NvOS8PushButton3"};
    int i = 0;
    for (const auto& [button, what] : column) {
        button->SetName(names[i++]);
        StyleColumnButton(*button, what.first);
        Place(*button, what.second);
    }
    NvOS8PushButton5.OnClick = [this] { NvOS8PushButton5Click(); };
    NvOS8PushButton1.OnClick = [this] { dispatcher::OpenDispPage("2", version_); };
    NvOS8PushButton2.OnClick = [] { OpenHelpPage(); };
    NvOS8PushButton3.OnClick = [this] { btnCloseClick(); };

    btnMinimize.SetName("btnMinimize");
    StyleColumnButton(btnMinimize, "_");
    Place(btnMinimize, wz::MinimizeButton);
    btnMinimize.OnClick = [this] { btnMinimizeClick(); };
}

void Tfrm2002Main::BuildPanels()
{
    const std::pair<ui::Panel*, const char*> panels[] = {{&Panel3, "Panel3"}, {&Panel2, "Panel2"}, {&Panel1, "Panel1"}};
    for (const auto& [panel, name] : panels) {
        panel->SetName(name);
        StyleWhitePanel(*panel);
        Place(*panel, wz::Content);
    }
    imgStart.SetName("imgStart");
    imgStart.SetPicture(art::StartPanelBitmap());
    imgStart.SetBounds(0, 0, wz::Content.Width(), wz::Content.Height());

    imgConnectionHeading.SetName("imgConnectionHeading");
    imgConnectionHeading.SetPicture(art::ConnectionHeadingBitmap());
    Place(imgConnectionHeading, pn::Heading);
    ui::RadioButton* types[] = {&rbtnDialup, &rbtnCable, &rbtnLAN, &rbtnDSL1, &rbtnDSL2, &rbtnDSL3};
    const char* typeNames[] = {"rbtnDialup", "rbtnCable", "rbtnLAN", "rbtnDSL1", "rbtnDSL2", "rbtnDSL3"};
    const char* captions[] = {"Dialup Modem",          "Cable Modem",
                              "Local Area Network (LAN)", "DSL (recommended setting 1)",
                              "DSL (recommended setting 2)", "DSL (recommended setting 3)"};
    for (int i = 0; i < 6; ++i) {
        ui::RadioButton& radio = *types[i];
        radio.SetName(typeNames[i]);
        radio.SetCaption(captions[i]);
        radio.SetTabStop(true);
        Place(radio, pn::RadioButton(i));
        radio.OnClick = [this, &radio] { rbtnDialupClick(radio); };
    }
    JLAqua5.SetName("JLAqua5");
    StyleAqua(JLAqua5, ">> Next", ui::clWhite);
    Place(JLAqua5, pn::NextButton);
    JLAqua5.OnClick = [this] { JLAqua5Click(); };

    imgMethodHeading.SetName("imgMethodHeading");
    imgMethodHeading.SetPicture(art::MethodHeadingBitmap());
    Place(imgMethodHeading, pn::Heading);
    RadioButton1.SetName("RadioButton1");
    RadioButton1.SetCaption("Automatically velocitrex my system.");
    RadioButton1.SetTabStop(true);
    Place(RadioButton1, pn::AutomaticRadio);
    RadioButton1.SetChecked(true);
    RadioButton2.SetName("RadioButton2");
    RadioButton2.SetCaption("Let me configure advanced settings.");
    RadioButton2.SetTabStop(true);
    Place(RadioButton2, pn::AdvancedRadio);
    lblExpertNote.SetName("lblExpertNote");
    lblExpertNote.SetCaption("(For expert users only.)");
    lblExpertNote.SetTransparent(true);
    Place(lblExpertNote, pn::ExpertNote);
    JLAqua1.SetName("JLAqua1");
    StyleAqua(JLAqua1, "<< Back", ui::clWhite);
    Place(JLAqua1, pn::BackButton);
    JLAqua1.OnClick = [this] { NvOS8PushButton9Click(); };
    btnNext.SetName("btnNext");
    StyleAqua(btnNext, ">> Next", ui::clWhite);
    Place(btnNext, pn::NextButton);
    btnNext.OnClick = [this] { btnNextClick(); };
}

void Tfrm2002Main::FormCreate()
{
    DetectPlatform();
    if (!initOkay) {
        ReadInitState();
        LoadConnectionType();
    }
    version_ = dispatcher::RunningProgramVersion();
}

void Tfrm2002Main::FormShow()
{
    LoadConnectionType();
    Panel3.SetVisible(true);
    Panel2.SetVisible(false);
    Panel1.SetVisible(false);
    SetTextColor(NvOS8PushButton5, ui::clWhite);
}

void Tfrm2002Main::LoadConnectionType()
{
    WizardState& wizard = Wizard();
    wizard.controlsUpdating = true;
    wizard.connectionType = GetConnectPref();
    if (wizard.connectionType.empty())
        wizard.connectionType = "M";
    const std::string& code = wizard.connectionType;
    ui::RadioButton& selected = code == "M"    ? rbtnDialup
                                : code == "C"  ? rbtnCable
                                : code == "N"  ? rbtnLAN
                                : code == "D1" ? rbtnDSL1
                                : code == "D2" ? rbtnDSL2
                                               : rbtnDSL3;
    selected.SetChecked(true);
    if (code == "-2") {
        wizard.connectionType = "M";
        rbtnDialup.SetChecked(true);
    }
    ui::Application::Current().ProcessMessages();
    wizard.controlsUpdating = false;
}

void Tfrm2002Main::NvOS8PushButton5Click()
{
    SetTextColor(NvOS8PushButton5, Green);
    for (widgets::TNvOS8PushButton* other : {&NvOS8PushButton1, &NvOS8PushButton2, &NvOS8PushButton3})
        SetTextColor(*other, ui::clWhite);
    Panel3.SetVisible(false);
    Panel1.SetVisible(false);
    Panel2.SetVisible(true);
}

void Tfrm2002Main::rbtnDialupClick(ui::RadioButton& sender)
{
    PlaySoundCue(0);
    if (Wizard().controlsUpdating)
        return;
    Program().changesPending = true;
    const std::pair<const char*, const char*> codes[] = {{"rbtnDialup", "M"}, {"rbtnDSL1", "D1"}, {"rbtnDSL2", "D2"},
                                                         {"rbtnDSL3", "D3"},  {"rbtnCable", "C"}, {"rbtnLAN", "N"}};
    std::string code;
    for (const auto& [name, typeCode] : codes)
        if (sender.Name() == name)
            code = typeCode;
    if (code.empty()) {
        code = "M";
        platform::ShowMessageBox({"Velocitrex.rbtnDialupClick: Unexpected connection tag", "Information",
                                  platform::MsgIcon::Information, platform::MsgButtons::Ok});
    }
    Wizard().connectionType = code;
    SetConnectPref(code);
}

void Tfrm2002Main::JLAqua5Click()
{
    Panel1.SetVisible(true);
    Panel2.SetVisible(false);
}

void Tfrm2002Main::NvOS8PushButton9Click()
{
    Panel1.SetVisible(false);
    Panel2.SetVisible(true);
}

void Tfrm2002Main::btnNextClick()
{
    if (RadioButton1.Checked())
        ShowAutomaticPage();
    if (RadioButton2.Checked())
        ShowAdvancedPage();
}

void Tfrm2002Main::ShowAutomaticPage()
{
    if (Program().automaticPage)
        return;
    Hide();
    ui::ModalResult result;
    {
        dispatcher::SingleWindowReference reference(Program().automaticPage);
        auto page = ui::MakeForm<TfrmAutomatic>(*this);
        reference.Hold(*page);
        result = page->ShowModal();
    }
    ui::Application::Current().ProcessMessages();
    AfterPage(result);
}

void Tfrm2002Main::ShowAdvancedPage()
{
    PlaySoundCue(0);
    if (Program().advancedPage)
        return;
    Hide();
    ui::ModalResult result;
    {
        dispatcher::SingleWindowReference reference(Program().advancedPage);
        auto page = ui::MakeForm<TfrmAdvanced>(this);
        reference.Hold(*page);
        result = page->ShowModal();
    }
    AfterPage(result);
}

void Tfrm2002Main::AfterPage(ui::ModalResult result)
{
    if (ui::Application::Current().Terminated())
        return;
    if (result == ui::ModalResult::Yes || result == ui::ModalResult::Retry)
        SetModalResult(result);
    else
        Show();
}

void Tfrm2002Main::btnMinimizeClick()
{
    PlaySoundCue(0);
    if (Program().changesPending) {
        Program().changesPending = false;
        Program().rebootDeferred = true;
    }
    SetModalResult(ui::ModalResult::Retry);
}

void Tfrm2002Main::btnCloseClick()
{
    PlaySoundCue(0);
    QuitFromWizard();
}

}  // namespace vx::wizard
