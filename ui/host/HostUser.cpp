#include "ui/host/HostUser.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "ui/Application.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/ListBox.h"
#include "ui/Memo.h"
#include "ui/OwnerDrawButton.h"
#include "ui/RadioButton.h"
#include "ui/SpinBox.h"
#include "ui/host/HostBackend.h"
#include "ui/host/HostPeers.h"

namespace vx::ui {

namespace {

ShiftState Combine(ShiftState keys, ShiftState buttons)
{
    keys.left = buttons.left;
    keys.right = buttons.right;
    keys.middle = buttons.middle;
    return keys;
}

// Compares pointers only: control may be gone.
bool InTree(const Control& root, const Control* control)
{
    if (&root == control)
        return true;
    for (const Control* child : root.Children()) {
        if (InTree(*child, control))
            return true;
    }
    return false;
}

// A native control without its window cannot be seen, let alone clicked.
bool HasNoWindow(const Control& control)
{
    const auto* native = dynamic_cast<const NativeControl*>(&control);
    return native && !native->Peer();
}

// What the window system does when a native control is clicked.
void NativeClick(Control& control)
{
    if (auto* button = dynamic_cast<ButtonControl*>(&control))
        button->NativeClick();
    else if (auto* check = dynamic_cast<CheckBox*>(&control))
        check->NativeClick();
    else if (auto* radio = dynamic_cast<RadioButton*>(&control))
        radio->NativeClick();
}

}  // namespace

namespace {

// The forms in the order a person looks at them: the one that takes input, the
// other shown windows from the top, then (all) the rest of the application's.
std::vector<Form*> FormsInLookupOrder(HostBackend& backend, bool withHidden)
{
    std::vector<Form*> forms;
    auto add = [&](Form* form) {
        if (form && std::find(forms.begin(), forms.end(), form) == forms.end())
            forms.push_back(form);
    };
    add(backend.ActiveForm());
    for (HostFormPeer* window : backend.WindowsTopFirst())
        add(&window->GetForm());
    if (withHidden) {
        for (Form* form : Application::Current().Forms())
            add(form);
    }
    return forms;
}

}  // namespace

Control& HostUser::Find(std::string_view name) const
{
    for (Form* form : FormsInLookupOrder(backend_, false)) {
        Control* found = form->FindControl(name);
        if (found && found->IsShowing())
            return *found;
    }
    throw std::logic_error("No control " + std::string(name) + " is showing");
}

Control* HostUser::Lookup(std::string_view name) const
{
    for (Form* form : FormsInLookupOrder(backend_, true)) {
        if (Control* found = form->FindControl(name))
            return found;
    }
    return nullptr;
}

Form& HostUser::ActiveForm() const
{
    if (Form* active = backend_.ActiveForm())
        return *active;
    throw std::logic_error("No window takes input");
}

bool HostUser::CanReach(const Control& control) const
{
    const Form* form = control.OwningForm();
    if (!form || !form->Peer() || !control.IsShowing() || !control.IsEnabledInTree() || !form->AcceptsInput())
        return false;
    const auto* native = dynamic_cast<const NativeControl*>(&control);
    return !native || native->Peer();
}

void HostUser::MoveTo(Point screen, ShiftState keys)
{
    backend_.SetCursorPos(screen);
    Send(MouseAction::Move, MouseButton::Left, keys);
}

void HostUser::Press(MouseButton button, ShiftState keys)
{
    buttons_ = buttons_.With(button);
    Send(MouseAction::Down, button, keys);
}

void HostUser::Release(MouseButton button, ShiftState keys)
{
    buttons_ = buttons_.Without(button);
    Send(MouseAction::Up, button, keys);
}

void HostUser::MoveTo(Control& control, std::optional<Point> local, ShiftState keys)
{
    MoveTo(ScreenPoint(control, local), keys);
}

void HostUser::Press(Control& control, MouseButton button, std::optional<Point> local, ShiftState keys)
{
    if (HasNoWindow(control)) {
        ++ignored_;
        return;
    }
    MoveTo(control, local, keys);
    Press(button, keys);
}

void HostUser::Release(Control& control, MouseButton button, std::optional<Point> local, ShiftState keys)
{
    MoveTo(control, local, keys);
    Release(button, keys);
}

void HostUser::Click(Control& control, std::optional<Point> local, ShiftState keys)
{
    if (HasNoWindow(control)) {
        ++ignored_;
        return;
    }
    Press(control, MouseButton::Left, local, keys);
    Release(MouseButton::Left, keys);
}

void HostUser::PressAlt(char c)
{
    ActiveForm().DispatchDialogChar(c);
}

void HostUser::PressKey(Key key, ShiftState keys)
{
    Form& form = ActiveForm();
    Control* focus = form.ActiveControl();
    if (focus && focus->IsNative() && CanReach(*focus) && (key == Key::Space || focus->WantsKey(key))) {
        form.KeyboardUsed();
        NativeKey(*focus, key);
        return;
    }
    form.DispatchKey(key, keys);
}

// What the focused native control does with a key it handles itself.
void HostUser::NativeKey(Control& focus, Key key)
{
    const int step = key == Key::Up || key == Key::Left ? -1 : 1;
    const bool arrow = key != Key::Space && key != Key::Enter;
    if (key == Key::Space) {
        NativeClick(focus);
    } else if (auto* spin = dynamic_cast<SpinBox*>(&focus); spin && arrow) {
        spin->NativeStep(-step);
    } else if (auto* list = dynamic_cast<ListBox*>(&focus); list && arrow) {
        if (!list->Items().empty())
            list->NativeItemChosen(std::clamp(list->ItemIndex() + step, 0, static_cast<int>(list->Items().size()) - 1));
    } else if (auto* combo = dynamic_cast<ComboBox*>(&focus); combo && arrow) {
        if (!combo->Items().empty())
            combo->NativeItemChosen(std::clamp(combo->ItemIndex() + step, 0, static_cast<int>(combo->Items().size()) - 1));
    }
}

void HostUser::CloseActiveWindow()
{
    ActiveForm().Close();
}

void HostUser::Focus(Control& control)
{
    Focused(control);
}

bool HostUser::Focused(Control& control)
{
    Form* form = Reachable(control);
    if (form)
        form->NativeFocusChanged(&control);
    return form != nullptr;
}

void HostUser::Type(Control& control, std::string text)
{
    if (!Focused(control))
        return;
    if (auto* edit = dynamic_cast<Edit*>(&control))
        edit->NativeTextChanged(std::move(text));
    else if (auto* memo = dynamic_cast<Memo*>(&control))
        memo->NativeTextChanged(text);
    else if (auto* combo = dynamic_cast<ComboBox*>(&control))
        combo->NativeTextChanged(std::move(text));
    else if (auto* spin = dynamic_cast<SpinBox*>(&control))
        spin->NativeTextChanged(std::move(text));
    else
        throw std::logic_error("Cannot type into " + control.Name());
}

void HostUser::Choose(Control& control, int index)
{
    if (!Focused(control))
        return;
    if (auto* combo = dynamic_cast<ComboBox*>(&control))
        combo->NativeItemChosen(index);
    else if (auto* list = dynamic_cast<ListBox*>(&control))
        list->NativeItemChosen(index);
    else
        throw std::logic_error("No items to choose in " + control.Name());
}

void HostUser::Spin(SpinBox& spin, int direction)
{
    if (Focused(spin))
        spin.NativeStep(direction);
}

Point HostUser::Cursor() const
{
    return backend_.CursorPos();
}

void HostUser::Send(MouseAction action, MouseButton button, ShiftState keys)
{
    captureWindow_ = Live(captureWindow_);
    hoverWindow_ = Live(hoverWindow_);
    const Point screen = backend_.CursorPos();
    HostFormPeer* window = captureWindow_ && captureWindow_->GetForm().AcceptsInput() ? captureWindow_ : WindowAt(screen);
    if (hoverWindow_ && hoverWindow_ != window)
        hoverWindow_->GetForm().DispatchMouse({MouseAction::Leave, button, {}, {}});
    hoverWindow_ = window;
    if (!window) {
        ++ignored_;
        return;
    }
    Form& form = window->GetForm();
    const Point origin = window->ClientOrigin();
    const MouseEvent event{action, button, Combine(keys, buttons_), {screen.x - origin.x, screen.y - origin.y}};
    Control* target = form.Mouse().TargetAt(event.pos);
    // The capture ends before the release is handled: its click may run a modal window.
    if (action == MouseAction::Down)
        captureWindow_ = window;
    else if (action == MouseAction::Up && !buttons_.AnyButton())
        captureWindow_ = nullptr;
    // As on Windows: the mouse message first, then the native control's
    // notification. Each step may run a handler that destroys the form.
    const LifeWatch alive = form.Life();
    if (action == MouseAction::Down)
        PressNative(*target, event);
    if (!alive.Alive())
        return;
    form.DispatchMouse(event);
    if (action == MouseAction::Up && alive.Alive() && InTree(form, target))
        ReleaseNative(*target, event);
}

void HostUser::PressNative(Control& target, const MouseEvent& event)
{
    if (event.button != MouseButton::Left || !target.IsNative())
        return;
    leftOnNative_ = true;
    target.OwningForm()->NativeFocusChanged(&target);
    if (auto* drawn = dynamic_cast<OwnerDrawButton*>(&target))
        drawn->NativePressed(true);
}

// A native button clicks when the left button is released over it.
void HostUser::ReleaseNative(Control& target, const MouseEvent& event)
{
    if (event.button != MouseButton::Left || !leftOnNative_)
        return;
    leftOnNative_ = false;
    if (!target.IsNative())
        return;
    if (auto* drawn = dynamic_cast<OwnerDrawButton*>(&target))
        drawn->NativePressed(false);
    if (target.ClientRect().Contains(target.FromForm(event.pos)))
        NativeClick(target);
}

HostFormPeer* HostUser::WindowAt(Point screen) const
{
    for (HostFormPeer* window : backend_.WindowsTopFirst()) {
        if (!window->GetForm().InputTransparent() && window->Hits(screen))
            return window->GetForm().AcceptsInput() ? window : nullptr;
    }
    return nullptr;
}

HostFormPeer* HostUser::Live(HostFormPeer* peer) const
{
    return backend_.IsLive(peer) ? peer : nullptr;
}

Form* HostUser::Reachable(Control& control)
{
    if (CanReach(control))
        return control.OwningForm();
    ++ignored_;
    return nullptr;
}

Point HostUser::ScreenPoint(Control& control, std::optional<Point> local) const
{
    Form* form = control.OwningForm();
    if (!form || !form->Peer())
        throw std::logic_error("Control " + control.Name() + " is on no shown window");
    const Point at = control.ToForm(local.value_or(Point{control.Width() / 2, control.Height() / 2}));
    const Point origin = form->Peer()->ClientOrigin();
    return {origin.x + at.x, origin.y + at.y};
}

}  // namespace vx::ui
