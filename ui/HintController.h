#pragma once
// Shows the hint of the control the pointer rests on: after the application's
// hint pause, in the application's hint window just below the pointer, until the
// hint hide pause has passed, the pointer moves to another control or a button is
// pressed.
#include "ui/Timer.h"

namespace vx::ui {

class Application;
class Control;

class HintController {
public:
    explicit HintController(Application& app);

    void PointerOver(Control* control);
    void ButtonPressed() { Hide(); }
    // The subtree is going away.
    void Forget(const Control& subtree);
    Control* HintedControl() const { return control_; }

private:
    void ShowNow();
    void Hide();
    bool Wanted(const Control* control) const;

    Application& app_;
    Control* control_ = nullptr;
    bool shown_ = false;
    Timer showTimer_;
    Timer hideTimer_;
};

}  // namespace vx::ui
