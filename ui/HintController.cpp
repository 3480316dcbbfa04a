#include "ui/HintController.h"

#include "ui/Application.h"
#include "ui/HintWindow.h"

namespace vx::ui {

namespace {

constexpr int HintMaxWidth = 300;
constexpr int PointerHeight = 20;

}  // namespace

HintController::HintController(Application& app) : app_(app)
{
    showTimer_.OnTimer = [this] { ShowNow(); };
    hideTimer_.OnTimer = [this] { Hide(); };
}

void HintController::PointerOver(Control* control)
{
    if (control == control_)
        return;
    Hide();
    control_ = Wanted(control) ? control : nullptr;
    if (!control_)
        return;
    showTimer_.SetInterval(static_cast<unsigned>(app_.HintPause() > 0 ? app_.HintPause() : 1));
    showTimer_.SetEnabled(true);
}

void HintController::Forget(const Control& subtree)
{
    for (const Control* c = control_; c; c = c->Parent()) {
        if (c == &subtree) {
            Hide();
            control_ = nullptr;
            return;
        }
    }
}

void HintController::ShowNow()
{
    showTimer_.SetEnabled(false);
    HintWindow* window = app_.GetHintWindow();
    if (!window || !Wanted(control_))
        return;
    const Point pointer = app_.GetBackend().CursorPos();
    const Rect size = window->CalcHintRect(HintMaxWidth, control_->Hint());
    window->ActivateHint(size.Offsetted(pointer.x, pointer.y + PointerHeight), control_->Hint());
    shown_ = true;
    if (app_.HintHidePause() > 0) {
        hideTimer_.SetInterval(static_cast<unsigned>(app_.HintHidePause()));
        hideTimer_.SetEnabled(true);
    }
}

void HintController::Hide()
{
    showTimer_.SetEnabled(false);
    hideTimer_.SetEnabled(false);
    if (!shown_)
        return;
    shown_ = false;
    if (HintWindow* window = app_.GetHintWindow())
        window->ReleaseHint();
}

bool HintController::Wanted(const Control* control) const
{
    return control && app_.ShowHint() && control->ShowHint() && !control->Hint().empty();
}

}  // namespace vx::ui
