#include "ui/MouseRouter.h"

#include "ui/Form.h"
#include "ui/LifeToken.h"

namespace vx::ui {

namespace {

bool Reaches(const Control& control)
{
    return control.Visible() && control.Enabled();
}

// The deepest control of the wanted kind under a point in parent's coordinates.
Control* DeepestAt(Control& parent, Point local, bool native)
{
    const auto& children = parent.Children();
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        Control& child = **it;
        if (!Reaches(child) || !child.Bounds().Contains(local))
            continue;
        const Point inChild{local.x - child.Left(), local.y - child.Top()};
        if (Control* deeper = DeepestAt(child, inChild, native))
            return deeper;
        if (child.IsNative() == native)
            return &child;
    }
    return nullptr;
}

bool InSubtree(const Control* control, const Control& root)
{
    for (; control; control = control->Parent()) {
        if (control == &root)
            return true;
    }
    return false;
}

MouseEvent InControl(const Control& control, MouseEvent event)
{
    event.pos = control.FromForm(event.pos);
    return event;
}

}  // namespace

Control* MouseRouter::ControlAt(Point inForm)
{
    if (Control* native = DeepestAt(form_, inForm, true))
        return native;
    if (Control* windowless = DeepestAt(form_, inForm, false))
        return windowless;
    return &form_;
}

Control* MouseRouter::TargetAt(Point inForm)
{
    return capture_ ? capture_ : ControlAt(inForm);
}

// Every step may run a handler that destroys the form, and this router with it.
void MouseRouter::Dispatch(const MouseEvent& event)
{
    if (event.action == MouseAction::Leave) {
        SetHover(nullptr);
        return;
    }
    if (event.action == MouseAction::Enter)
        return;
    const LifeWatch alive = form_.Life();
    SetHover(ControlAt(event.pos));
    if (!alive.Alive())
        return;
    Control* target = TargetAt(event.pos);
    switch (event.action) {
    case MouseAction::Down: Press(*target, event); break;
    case MouseAction::Up: Release(*target, event); break;
    default: Deliver(*target, event); break;
    }
}

void MouseRouter::Press(Control& target, const MouseEvent& event)
{
    const LifeWatch alive = form_.Life();
    form_.ButtonPressed();
    if (!capture_) {
        capture_ = &target;
        if (form_.Peer())
            form_.Peer()->SetCapture(true);
    }
    if (event.button == MouseButton::Left) {
        pressed_ = &target;
        // A windowless button takes the focus when pressed, as a native one does.
        if (!target.IsNative() && target.CanFocus())
            form_.SetActiveControl(&target);
    }
    // The focus change may have run handlers; Forget clears pressed_ if the target went.
    if (alive.Alive() && (event.button != MouseButton::Left || pressed_ == &target))
        Deliver(target, event);
}

void MouseRouter::Release(Control& target, const MouseEvent& event)
{
    const MouseEvent local = InControl(target, event);
    const bool click = event.button == MouseButton::Left && pressed_ == &target && !target.IsNative() &&
                       target.WantsClickOnRelease() && target.ClientRect().Contains(local.pos);
    if (event.button == MouseButton::Left)
        pressed_ = nullptr;
    if (!event.shift.AnyButton() && capture_) {
        capture_ = nullptr;
        if (form_.Peer())
            form_.Peer()->SetCapture(false);
    }
    // Delphi's order: the click first, then the release. The click handler may
    // destroy the target (Forget then clears dispatching_) or the whole form.
    Control* alive = &target;
    if (click) {
        const LifeWatch formAlive = form_.Life();
        dispatching_ = alive;
        target.HandleClick();
        if (!formAlive.Alive())
            return;
        alive = dispatching_;
        dispatching_ = nullptr;
    }
    if (alive)
        alive->HandleMouse(local);
}

void MouseRouter::Deliver(Control& target, const MouseEvent& event)
{
    target.HandleMouse(InControl(target, event));
}

void MouseRouter::SetHover(Control* control)
{
    if (control == hover_)
        return;
    const LifeWatch alive = form_.Life();
    Control* old = hover_;
    hover_ = control;
    form_.HoverChanged(hover_);
    if (old)
        old->HandleMouse({MouseAction::Leave, MouseButton::Left, {}, {}});
    if (alive.Alive() && hover_)
        hover_->HandleMouse({MouseAction::Enter, MouseButton::Left, {}, {}});
}

void MouseRouter::Forget(const Control& subtree)
{
    if (InSubtree(capture_, subtree)) {
        capture_ = nullptr;
        if (form_.Peer())
            form_.Peer()->SetCapture(false);
    }
    if (InSubtree(hover_, subtree))
        hover_ = nullptr;
    if (InSubtree(pressed_, subtree))
        pressed_ = nullptr;
    if (InSubtree(dispatching_, subtree))
        dispatching_ = nullptr;
}

}  // namespace vx::ui
