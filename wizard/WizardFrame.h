#pragma once
// What the main window and the automatic page share: the shaped surface with
// the frame picture, the glossy and push-button styles, the round exit button,
// the white content panel, and the actions both offer (help, quit).
#include <functional>
#include <string>

#include "apps/velocitrex/art/Raster.h"
#include "ui/Bitmap.h"
#include "ui/Color.h"
#include "ui/Font.h"

namespace vx::ui {
class Control;
class Form;
class Panel;
}  // namespace vx::ui

namespace vx::widgets {
class TDsFancyButton;
class TJLAqua;
class TNvOS8PushButton;
class TPlasmaForm;
}  // namespace vx::widgets

namespace vx::wizard {

ui::Font BoldFont(const char* name, int points, ui::Color color);

// A borderless window whose surface is the picture, outlined by its mask and
// dragged by its background.
void ShapeWindow(ui::Form& form, widgets::TPlasmaForm& surface, ui::Bitmap picture, int width, int height);

void Place(ui::Control& control, const art::Box& box);
void StyleAqua(widgets::TJLAqua& button, const std::string& caption, ui::Color under);
void StyleExit(widgets::TDsFancyButton& button);
void StyleColumnButton(widgets::TNvOS8PushButton& button, const std::string& caption);
void StyleWhitePanel(ui::Panel& panel);

// "Help": opens vlxhelp.htm from the installation directory; a failure of the
// shell is not reported.
void OpenHelpPage();

// Quit from a wizard window: at once when the apply screen has completed since
// the last stored choices, otherwise after Yes to the question. beforeClosing
// runs once the program is sure to end.
void QuitFromWizard(const std::function<void()>& beforeClosing = {});

}  // namespace vx::wizard
