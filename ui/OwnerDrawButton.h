#pragma once
// A push button that the window system runs (focus, press, click) and that draws
// itself: the base of the component set's shaded buttons.
#include "ui/ButtonControl.h"

namespace vx::ui {

class Canvas;

class OwnerDrawButton : public ButtonControl {
public:
    using ButtonControl::ButtonControl;
    NativeKind Kind() const override { return NativeKind::OwnerDrawButton; }

    // Held down by the mouse or the keyboard.
    bool Pressed() const { return pressed_; }

    // Called by a backend: draw the button (origin at its top-left corner), and
    // the pressed state changed.
    void PaintButton(Canvas& canvas);
    void NativePressed(bool pressed);

protected:
    virtual void Paint(Canvas& canvas) = 0;

private:
    bool pressed_ = false;
};

}  // namespace vx::ui
