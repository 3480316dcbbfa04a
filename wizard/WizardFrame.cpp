#include "wizard/WizardFrame.h"

#include "apps/velocitrex/art/Artwork.h"
#include "common/RegistryCalls.h"
#include "dispatcher/ProgramState.h"
#include "dispatcher/WindowServices.h"
#include "engine/vxPreferences.h"
#include "engine/vxRegistryKeys.h"
#include "platform/MessageBoxes.h"
#include "platform/Shell.h"
#include "ui/Form.h"
#include "ui/Panel.h"
#include "widgets/DsFancyButton.h"
#include "widgets/JLAqua.h"
#include "widgets/NvOS8PushButton.h"
#include "widgets/PlasmaForm.h"

namespace vx::wizard {

ui::Font BoldFont(const char* name, int points, ui::Color color)
{
    ui::Font font;
    font.name = name;
    font.SetSize(points);
    font.bold = true;
    font.color = color;
    return font;
}

void ShapeWindow(ui::Form& form, widgets::TPlasmaForm& surface, ui::Bitmap picture, int width, int height)
{
    form.SetBorderStyle(ui::BorderStyle::None);
    form.SetClientSize(width, height);
    form.SetColor(art::WizardColor);
    form.SetFont(BoldFont("MS Sans Serif", 8, ui::clBlack));
    surface.SetName("PlasmaForm1");
    surface.SetPicture(std::move(picture));
    surface.Mask().Assign(art::WizardRegion());
    surface.SetMoveable(true);
    surface.Loaded();
}

void Place(ui::Control& control, const art::Box& box)
{
    control.SetBounds(box.left, box.top, box.Width(), box.Height());
}

void StyleAqua(widgets::TJLAqua& button, const std::string& caption, ui::Color under)
{
    button.SetCaption(caption);
    button.SetButtonColor(ui::Rgb(160, 183, 241));
    button.SetBackgroundError(under);
    ui::Font font = BoldFont("Arial", 10, ui::clBlack);
    font.height = -13;
    button.SetFont(font);
}

void StyleExit(widgets::TDsFancyButton& button)
{
    button.SetCaption("X");
    button.SetShape(widgets::TFShape::shOval);
    button.SetButtonColor(ui::Rgb(191, 0, 0));
    button.SetFrameColor(ui::Rgb(40, 0, 0));
    button.SetFrameWidth(5);
    button.SetFont(BoldFont("Arial", 9, ui::clWhite));
}

void StyleColumnButton(widgets::TNvOS8PushButton& button, const std::string& caption)
{
    button.SetCaption(caption);
    button.SetBaseColor(ui::clBlack);
    button.SetFont(BoldFont("Arial", 8, ui::clWhite));
}

void StyleWhitePanel(ui::Panel& panel)
{
    panel.SetBevelOuter(ui::Bevel::None);
    panel.SetColor(ui::clWhite);
}

void OpenHelpPage()
{
    platform::ShellRequest request;
    request.target = "vlxhelp.htm";
    request.directory = GetRegistryValue(RegRoot::LocalMachine, ProductKey, RegValueKind::String, InstallDirPref).AsString();
    platform::CurrentService<platform::Shell>::Get().Execute(request);
}

void QuitFromWizard(const std::function<void()>& beforeClosing)
{
    if (!dispatcher::Program().changesMade) {
        auto answer = platform::ShowMessageBox(
            {"You have not made any acceleration changes. Are you sure you want to quit ?", "Information",
             platform::MsgIcon::Question, platform::MsgButtons::YesNo});
        if (answer != platform::MsgAnswer::Yes)
            return;
    }
    if (beforeClosing)
        beforeClosing();
    dispatcher::CloseProgram();
}

}  // namespace vx::wizard
