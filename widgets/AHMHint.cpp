#include "widgets/AHMHint.h"

#include <memory>
#include <stdexcept>

#include "platform/CurrentService.h"
#include "ui/Application.h"
#include "widgets/AHMNewHint.h"

namespace vx::widgets {

namespace {

using InstalledHint = platform::CurrentService<TAHMHint>;

}  // namespace

TAHMHint::TAHMHint()
{
    if (InstalledHint::Installed())
        throw std::logic_error("You can have one and ONLY ONE\nTAHMHint Component\n in a project and it must be on the Mainform");
    InstalledHint::Replace(this);
    Install();
}

TAHMHint::~TAHMHint()
{
    InstalledHint::Replace(nullptr);
}

TAHMHint* TAHMHint::Instance()
{
    return InstalledHint::Installed();
}

void TAHMHint::Install()
{
    ui::Application& app = ui::Application::Current();
    app.SetHintWindowClass([] { return std::make_unique<TAHMNewHint>(); });
    app.SetHintPause(pauseTime_);
    app.SetShowHint(false);
    app.SetShowHint(true);
}

void TAHMHint::SetHintFont(const ui::Font& font)
{
    font_ = font;
    // A new hint window takes the font when it is made.
    ui::Application& app = ui::Application::Current();
    if (app.ShowHint()) {
        app.SetShowHint(false);
        app.SetShowHint(true);
    }
}

void TAHMHint::SetHintPauseTime(int ms)
{
    pauseTime_ = ms;
    ui::Application::Current().SetHintPause(ms);
}

TAHMDirection TAHMHint::StartDirection(ui::Control* control) const
{
    TAHMDirection d = direction_;
    if (OnSelectHintDirection)
        OnSelectHintDirection(control, d);
    return d;
}

}  // namespace vx::widgets
