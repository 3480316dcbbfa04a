#include "apps/velocitrex/art/tool/LayoutPreview.h"

#include <memory>

#include "apps/velocitrex/art/Artwork.h"
#include "apps/velocitrex/art/Layout.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/Panel.h"
#include "ui/RadioButton.h"
#include "ui/host/FormRenderer.h"
#include "widgets/AHMCheckbox.h"
#include "widgets/AHMRoundButton.h"
#include "widgets/DsFancyButton.h"
#include "widgets/JLAqua.h"
#include "widgets/NvOS8PushButton.h"
#include "widgets/PlasmaForm.h"

namespace vx::art {
namespace {

namespace wz = layout::wizard;

ui::Font Bold(const char* name, int points, ui::Color color)
{
    ui::Font font;
    font.name = name;
    font.SetSize(points);
    font.bold = true;
    font.color = color;
    return font;
}

widgets::TJLAqua& Aqua(Mockup& m, ui::Control* parent, const Box& place, const char* caption, ui::Color under)
{
    auto& b = m.Add<widgets::TJLAqua>(parent, place, caption);
    b.SetButtonColor(ui::Rgb(160, 183, 241));
    b.SetBackgroundError(under);
    ui::Font font = Bold("Arial", 10, ui::clBlack);
    font.height = -13;
    b.SetFont(font);
    return b;
}

void ExitButton(Mockup& m, const Box& place)
{
    auto& x = m.Add<widgets::TDsFancyButton>(nullptr, place, "X");
    x.SetShape(widgets::TFShape::shOval);
    x.SetButtonColor(ui::Rgb(191, 0, 0));
    x.SetFrameColor(ui::Rgb(40, 0, 0));
    x.SetFrameWidth(5);
    x.SetFont(Bold("Arial", 9, ui::clWhite));
}

void LeftColumn(Mockup& m, bool updateEnabled)
{
    const std::pair<Box, const char*> buttons[] = {{wz::VelocitrexButton, "Velocitrex!"},
                                                   {wz::UpdateButton, "Update"},
                                                   {wz::HelpButton, "Help"},
                                                   {wz::CloseButton, "Close"}};
    for (const auto& [place, caption] : buttons) {
        auto& b = m.Add<widgets::TNvOS8PushButton>(nullptr, place, caption);
        b.SetBaseColor(ui::clBlack);
        b.SetFont(Bold("Arial", 8, ui::clWhite));
        if (place == wz::UpdateButton)
            b.SetEnabled(updateEnabled);
    }
}

ui::Panel& WhitePanel(Mockup& m, const Box& place)
{
    auto& p = m.Add<ui::Panel>(nullptr, place);
    p.SetBevelOuter(ui::Bevel::None);
    p.SetColor(ui::clWhite);
    return p;
}

std::unique_ptr<Mockup> MainWindowConnection()
{
    auto mockup = std::make_unique<Mockup>("preview-main-window", MainWindowBitmap(), WizardRegion());
    Mockup& m = *mockup;
    m.Form().SetColor(WizardColor);
    m.Form().SetFont(Bold("MS Sans Serif", 8, ui::clBlack));
    auto& logo = m.Add<ui::Image>(nullptr, wz::Logo);
    logo.SetPicture(LogoBitmap());
    Aqua(m, nullptr, wz::OtherProducts, "Other Quorvex Products", HeaderColor);
    ExitButton(m, wz::Exit);
    LeftColumn(m, true);
    ui::Panel& panel = WhitePanel(m, wz::Content);
    auto& heading = m.Add<ui::Image>(&panel, layout::panels::Heading);
    heading.SetPicture(ConnectionHeadingBitmap());
    const char* types[] = {"Dialup Modem", "Cable Modem", "Local Area Network (LAN)", "DSL (recommended setting 1)",
                           "DSL (recommended setting 2)", "DSL (recommended setting 3)"};
    for (int i = 0; i < 6; ++i)
        m.Add<ui::RadioButton>(&panel, layout::panels::RadioButton(i), types[i]).SetChecked(i == 1);
    Aqua(m, &panel, layout::panels::NextButton, ">> Next", ui::clWhite);
    return mockup;
}

std::unique_ptr<Mockup> AutomaticPage()
{
    auto mockup = std::make_unique<Mockup>("preview-automatic-page", AutomaticPageBitmap(), WizardRegion());
    Mockup& m = *mockup;
    m.Form().SetColor(WizardColor);
    m.Form().SetFont(Bold("MS Sans Serif", 8, ui::clBlack));
    ExitButton(m, wz::Exit);
    LeftColumn(m, false);
    ui::Panel& panel = WhitePanel(m, wz::Content);
    m.Add<ui::Label>(&panel, layout::steps::WaitNote, "Preparing your system for acceleration... Please wait...");
    const char* steps[] = {"Optimizing Internet communication speed to your ISP",
                           "Optimizing Internet communication speed from your ISP",
                           "Optimizing handling of Internet delays",
                           "Avoiding slow sessions caused by nonstandard Internet hosts"};
    for (int i = 0; i < 4; ++i) {
        auto& bullet = m.Add<widgets::TAHMRoundButton>(&panel, layout::steps::Bullet(i));
        bullet.SetEnabled(false);
        auto& check = m.Add<widgets::TAHMCheckbox>(&panel, layout::steps::Check(i), steps[i]);
        check.SetChecked(i < 3);
    }
    Aqua(m, nullptr, wz::CancelButton, "Cancel", FooterColor);
    Aqua(m, nullptr, wz::VelocitrexMeButton, "Velocitrex Me!", FooterColor).SetEnabled(false);
    return mockup;
}

std::unique_ptr<Mockup> ApplyScreenPrompting()
{
    namespace ap = layout::apply;
    auto mockup = std::make_unique<Mockup>("preview-apply-screen", ApplyScreenBitmap(), ApplyScreenRegion());
    Mockup& m = *mockup;
    m.Form().SetColor(ui::Rgb(191, 0, 0));
    auto& left = m.Add<ui::Image>(nullptr, ap::BarLeft);
    left.SetPicture(BarLeftBitmap());
    for (int n = 2; n <= 9; ++n)
        m.Add<ui::Image>(nullptr, ap::BarSegment(n)).SetPicture(BarSegmentBitmap());
    m.Add<ui::Image>(nullptr, ap::BarCap(ap::CapEnd)).SetPicture(BarCapBitmap());
    const ui::Font text = Bold("Tahoma", 9, ui::clWhite);
    for (const auto& [place, caption] : {std::pair{Box::Sized(55, 112, 223, 14), "Velocitrex must reboot your system"},
                                         std::pair{Box::Sized(96, 127, 140, 14), "to lock in the changes."}}) {
        auto& label = m.Add<ui::Label>(nullptr, place, caption);
        label.SetTransparent(true);
        label.SetAlignment(ui::Alignment::Center);
        label.SetFont(text);
    }
    for (const auto& [place, caption] : {std::pair{ap::RebootNow, "Reboot Now"}, std::pair{ap::RebootLater, "Reboot Later"}}) {
        auto& b = m.Add<widgets::TNvOS8PushButton>(nullptr, place, caption);
        b.SetBaseColor(ui::clBlack);
        b.SetFont(Bold("Arial", 8, ui::clWhite));
    }
    ui::Font web;
    web.color = ui::clWhite;
    auto& address = m.Add<ui::Label>(nullptr, ap::WebAddress, "www.quorvex.example");
    address.SetTransparent(true);
    address.SetFont(web);
    return mockup;
}

std::unique_ptr<Mockup> AboutBox()
{
    namespace ab = layout::about;
    auto mockup = std::make_unique<Mockup>("preview-about-box", AboutBoxBitmap(), AboutBoxRegion());
    Mockup& m = *mockup;
    const char* lines[] = {"Velocitrex 2K3", "Quorvex", "All rights reserved.", "www.quorvex.example"};
    for (int i = 0; i < 4; ++i) {
        auto& label = m.Add<ui::Label>(nullptr, ab::Line(i), lines[i]);
        label.SetTransparent(true);
        label.SetFont(Bold("MS Sans Serif", 8, ui::clWhite));
    }
    auto& ok = m.Add<widgets::TDsFancyButton>(nullptr, ab::OkButton, "OK");
    ok.SetShape(widgets::TFShape::shCapsule);
    ok.SetButtonColor(ui::Rgb(191, 0, 0));
    ok.SetFrameColor(ui::Rgb(40, 0, 0));
    ok.SetFrameWidth(6);
    ok.SetFont(Bold("Arial", 9, ui::clWhite));
    return mockup;
}

}  // namespace

Mockup::Mockup(std::string name, ui::Bitmap picture, const ui::Region& outline) : name_(std::move(name))
{
    form_.SetBorderStyle(ui::BorderStyle::None);
    form_.SetCaption(name_);
    auto surface = std::make_unique<widgets::TPlasmaForm>(&form_);
    surface->SetPicture(std::move(picture));
    surface->Mask().Assign(outline);
    surface->Loaded();
    owned_.push_back(std::move(surface));
}

Mockup::~Mockup()
{
    // Children before the window they sit on, the last made first.
    while (!owned_.empty())
        owned_.pop_back();
}

ui::Bitmap Mockup::Render()
{
    form_.Show();
    ui::Application::Current().ProcessMessages();
    return ui::RenderForm(form_, ui::Rgb(58, 110, 165));
}

std::vector<std::unique_ptr<Mockup>> MakeLayoutPreviews()
{
    std::vector<std::unique_ptr<Mockup>> mockups;
    mockups.push_back(MainWindowConnection());
    mockups.push_back(AutomaticPage());
    mockups.push_back(ApplyScreenPrompting());
    mockups.push_back(AboutBox());
    return mockups;
}

}  // namespace vx::art
