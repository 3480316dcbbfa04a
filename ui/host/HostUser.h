#pragma once
// The simulated user of the host backend: mouse, keyboard and the native
// controls' own behaviour (a button clicks when released over itself or on Space,
// an edit takes typed text). Input reaches only what a real user could reach: the
// topmost window under the pointer, inside its region, only while no other
// window runs modally and, for a native control, only once it has its window;
// anything else is ignored and counted.
//
// Use it directly, or from scripted actions (HostBackend::Then) while a program's
// modal runs are waiting.
#include <optional>
#include <string>
#include <string_view>

#include "ui/Input.h"

namespace vx::ui {

class Control;
class Form;
class HostBackend;
class HostFormPeer;
class SpinBox;

class HostUser {
public:
    explicit HostUser(HostBackend& backend) : backend_(backend) {}

    // The showing control of this name: in the topmost window that takes input
    // first, then in the other shown windows, topmost first. Throws
    // std::logic_error when none is showing.
    Control& Find(std::string_view name) const;
    // The control of this name, showing or not, for checks such as "is it hidden":
    // in the same order of windows, then in the application's forms not shown;
    // nullptr when there is none.
    Control* Lookup(std::string_view name) const;
    // The topmost shown window that takes input; throws when there is none.
    Form& ActiveForm() const;
    // Whether a person could operate the control now: showing and enabled on a
    // shown window that takes input, and a native control has its window.
    bool CanReach(const Control& control) const;

    // The pointer, in screen coordinates.
    void MoveTo(Point screen, ShiftState keys = {});
    void Press(MouseButton button, ShiftState keys = {});
    void Release(MouseButton button, ShiftState keys = {});

    // On a control, at a point of its own (by default its centre).
    void MoveTo(Control& control, std::optional<Point> local = {}, ShiftState keys = {});
    void Press(Control& control, MouseButton button = MouseButton::Left, std::optional<Point> local = {},
               ShiftState keys = {});
    void Release(Control& control, MouseButton button = MouseButton::Left, std::optional<Point> local = {},
                 ShiftState keys = {});
    void Click(Control& control, std::optional<Point> local = {}, ShiftState keys = {});
    void Click(std::string_view name) { Click(Find(name)); }

    // Alt with a letter, on the active window.
    void PressAlt(char c);
    // A key on the active window, to its focused control: Space clicks a focused
    // native button (and checks a radio button or toggles a check box), the
    // arrows move in a focused list or drop-down and step a spin box; the rest
    // goes to the form (Tab, Shift+Tab, Enter, Escape, radio groups).
    void PressKey(Key key, ShiftState keys = {});
    // Closes the active window as Alt+F4 does (the window system's close request).
    void CloseActiveWindow();
    // Gives the focus to a control of a window that takes input.
    void Focus(Control& control);
    // Replaces the text of an edit, memo, drop-down or spin box, as select-all and
    // typing do.
    void Type(Control& control, std::string text);
    void Type(std::string_view name, std::string text) { Type(Find(name), std::move(text)); }
    // Picks an item of a drop-down or list box.
    void Choose(Control& control, int index);
    // Presses a spin box's arrow: +1 up, -1 down.
    void Spin(SpinBox& spin, int direction);

    Point Cursor() const;
    ShiftState Buttons() const { return buttons_; }
    // Input that reached no window, or a window that takes none.
    int IgnoredInputs() const { return ignored_; }

private:
    void Send(MouseAction action, MouseButton button, ShiftState keys);
    HostFormPeer* WindowAt(Point screen) const;
    HostFormPeer* Live(HostFormPeer* peer) const;
    void PressNative(Control& target, const MouseEvent& event);
    void ReleaseNative(Control& target, const MouseEvent& event);
    void NativeKey(Control& focus, Key key);
    Form* Reachable(Control& control);
    bool Focused(Control& control);
    Point ScreenPoint(Control& control, std::optional<Point> local) const;

    HostBackend& backend_;
    ShiftState buttons_;
    HostFormPeer* captureWindow_ = nullptr;
    HostFormPeer* hoverWindow_ = nullptr;
    bool leftOnNative_ = false;  // the left button went down on a native control
    int ignored_ = 0;
};

}  // namespace vx::ui
