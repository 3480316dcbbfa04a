#pragma once
// Sends a form's mouse events to the control under the pointer, or to the control
// that holds the capture while a button is held; raises enter and leave as the
// pointer moves between controls, and the click of a windowless control pressed
// and released with the left button.
#include "ui/Input.h"

namespace vx::ui {

class Control;
class Form;

class MouseRouter {
public:
    explicit MouseRouter(Form& form) : form_(form) {}

    // In the form's client coordinates. Leave: the pointer left the window.
    void Dispatch(const MouseEvent& event);
    // The control that a mouse event at this point would go to.
    Control* TargetAt(Point inForm);
    // The deepest showing and enabled control at the point, native controls first
    // (they lie above everything the form paints); the form itself when none.
    Control* ControlAt(Point inForm);
    Control* Capture() const { return capture_; }
    Control* Hover() const { return hover_; }
    // The subtree is going away or leaving the form.
    void Forget(const Control& subtree);

private:
    void SetHover(Control* control);
    void Deliver(Control& target, const MouseEvent& event);
    void Press(Control& target, const MouseEvent& event);
    void Release(Control& target, const MouseEvent& event);

    Form& form_;
    Control* capture_ = nullptr;
    Control* hover_ = nullptr;
    Control* pressed_ = nullptr;  // pressed with the left button: may get a click
    Control* dispatching_ = nullptr;
};

}  // namespace vx::ui
