#pragma once
// What a window system must supply to the portable framework.
//
// The portable objects (Application, Form, the controls, Timer, PopupMenu) own all
// state and raise all events. A backend shows that state and turns the window
// system's notifications into calls of the portable objects' "called by a backend"
// members (Form::DispatchMouse, Button::NativeClick, Edit::NativeTextChanged, ...);
// it makes no decisions of its own. Two backends exist: ui/host (headless, virtual
// clock, scripted input, software rendering) and ui/win32 (HWNDs and GDI).
//
// Contract for a backend:
// - Forms: one top-level window per Form, created on the form's first Show. It
//   mirrors Caption, position (Left/Top are the window's screen position),
//   client size, BorderStyle, TitleButtons, WindowState, Color, Visible and the
//   window region (nullopt: no region). While AcceptsInput() is false (another
//   form runs modally) the window takes no input. An InputTransparent() form (the
//   hint window) shows above all others without taking the focus and lets the
//   mouse through.
// - Painting: the client area is painted by Form::PaintClient on a canvas that
//   already holds nothing of value; it paints the background and every windowless
//   control in z-order. A backend double-buffers it (paint into a Bitmap, copy in
//   one step). Invalidate() marks client areas to repaint later, PaintNow() paints
//   the invalid area at once (Delphi's Repaint/Update).
// - Native controls (NativeControl, kind in NativeKind): each is a direct child
//   window of its form's window, whatever its portable parent, placed at
//   BoundsInForm(), shown while IsShowing(), enabled while IsEnabledInTree(). The
//   peer reads the state named by each Change from the control. Radio buttons and
//   check boxes must not toggle themselves (no BS_AUTO* styles): the portable
//   control decides and the peer mirrors Checked(). Owner-drawn buttons are painted
//   by OwnerDrawButton::PaintButton.
// - Mouse: every mouse event over the form's client area or over one of its native
//   controls goes to Form::DispatchMouse in client coordinates; the form routes it
//   to controls, tracks enter/leave and asks for capture with FormPeer::SetCapture
//   while a button is held. Native notifications (a button pressed, text edited,
//   an item selected, focus moved) go to the control's Native* members.
// - Keyboard: Tab, Enter, Escape, the arrows and Space go to Form::DispatchKey of
//   the active form, unless the focused control is a native one that handles the
//   key itself (Space on buttons; what Control::WantsKey names; what the window
//   system's control says it wants). A windowless control has the focus while the
//   form's own window has it (Change::Focus on the form). A character typed with
//   Alt, or not taken by the focused control, goes to Form::DispatchDialogChar.
// - Ownership: a form in a modal run is owned by Form::Owner() (it stays above it
//   and has no taskbar button of its own); Change::Modal tells the form's peer
//   that a run began or ended.
// - Message boxes: ShowMessageBox shows a standard box owned by the given form
//   and waits for the answer, letting timers and posted messages run meanwhile.
// - Closing: the window system's close request goes to Form::Close. A window
//   moved or sized by the system (a drag, maximising) reports its new place with
//   Form::NativePlaced; focus moved by the user goes to Form::NativeFocusChanged.
// - Message loop: DispatchNext dispatches one pending message (input, paint, timer
//   tick, posted task) and, when asked to, first waits for one. Every message a
//   backend dispatches itself runs inside a DispatchScope, which tells the
//   application (deferred releases, windows of new native controls). Sleep
//   really waits on Windows; on the host it only moves the virtual clock.
// - Timers: StartTimer makes Timer::Fire run about every interval milliseconds
//   from the message loop until the returned peer is destroyed.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/MessageBoxes.h"
#include "ui/Geometry.h"

namespace vx::ui {

class Form;
class MenuItem;
class NativeControl;
class PopupMenu;
class Timer;

// Which part of a form's or a control's state has changed; the peer reads the new
// value from the portable object.
enum class Change {
    Bounds,
    Visible,
    Enabled,
    Caption,
    TextFont,
    BackColor,
    Checked,     // check boxes, radio buttons
    Text,        // edits, combo boxes, spin boxes, memos
    Items,       // combo boxes, list boxes
    ItemIndex,
    Range,       // spin boxes
    Picture,     // check boxes drawn with a picture
    Style,       // push-like look, default button, read-only, border style ...
    Appearance,  // repaint: owner-drawn state changed
    Focus,       // Form::ActiveControl moved to this control (forms: to a windowless control or none)
    WindowRegion, // forms
    ShowState,    // forms: normal, minimised, maximised
    Input,       // forms: AcceptsInput() changed
    Modal,       // forms: a modal run began or ended (IsModal, Owner, GetModalResult)
};

enum class NativeKind { PushButton, OwnerDrawButton, CheckBox, RadioButton, Edit, ComboBox, SpinBox, Memo, ListBox };

class ControlPeer {
public:
    virtual ~ControlPeer() = default;
    virtual void Update(Change change) = 0;
};

class FormPeer {
public:
    virtual ~FormPeer() = default;
    virtual void Update(Change change) = 0;
    // In client coordinates.
    virtual void Invalidate(const Rect& area) = 0;
    virtual void PaintNow() = 0;
    virtual void SetCapture(bool captured) = 0;
    // Screen position of the client area's top-left corner.
    virtual Point ClientOrigin() const = 0;
    // Raises the window above the others and gives it the input (SetForegroundWindow).
    virtual void BringToFront() = 0;
};

// A running timer; destroying it stops the timer.
class TimerPeer {
public:
    virtual ~TimerPeer() = default;
};

// Told around every message a backend dispatches.
class DispatchListener {
public:
    virtual void MessageStarting() = 0;
    virtual void MessageDone() = 0;

protected:
    ~DispatchListener() = default;
};

class Backend {
public:
    virtual ~Backend() = default;

    // The application listens while it exists; returns the previous listener.
    DispatchListener* SetDispatchListener(DispatchListener* listener)
    {
        DispatchListener* previous = listener_;
        listener_ = listener;
        return previous;
    }

    virtual std::unique_ptr<FormPeer> CreateFormPeer(Form& form) = 0;
    virtual std::unique_ptr<ControlPeer> CreateControlPeer(NativeControl& control, FormPeer& form) = 0;

    // Dispatches one pending message; with wait, waits for one first. Returns
    // whether one was dispatched; false also after RequestQuit.
    virtual bool DispatchNext(bool wait) = 0;
    // Application::Terminate: makes a waiting DispatchNext return.
    virtual void RequestQuit() = 0;

    // Milliseconds since some fixed moment.
    virtual std::uint64_t NowMs() = 0;
    virtual void Sleep(unsigned milliseconds) = 0;
    virtual std::unique_ptr<TimerPeer> StartTimer(Timer& timer, unsigned intervalMs) = 0;

    virtual Point CursorPos() = 0;
    virtual Size ScreenSize() = 0;

    // Shows the menu's visible items at a screen position and waits until one is
    // chosen (returned) or the menu is dismissed (nullptr). The caller runs the
    // chosen item's click.
    virtual MenuItem* TrackPopupMenu(PopupMenu& menu, Point screen) = 0;

    // The application window's title (taskbar, running-copy search).
    virtual void SetApplicationTitle(const std::string& title) = 0;

    // The form whose window is active, or nullptr.
    virtual Form* ActiveForm() = 0;
    // A standard message box owned by owner (nullptr: none), with the caption the
    // request has; returns the answer.
    virtual platform::MsgAnswer ShowMessageBox(const platform::MessageRequest& request, Form* owner) = 0;
    // Runs the task from the message loop, after the messages already queued.
    virtual void Post(std::function<void()> task) = 0;

protected:
    // Brackets the dispatch of one message.
    class DispatchScope {
    public:
        explicit DispatchScope(Backend& backend) : listener_(backend.listener_)
        {
            if (listener_)
                listener_->MessageStarting();
        }
        ~DispatchScope()
        {
            if (listener_)
                listener_->MessageDone();
        }
        DispatchScope(const DispatchScope&) = delete;
        DispatchScope& operator=(const DispatchScope&) = delete;

    private:
        DispatchListener* listener_;
    };

private:
    DispatchListener* listener_ = nullptr;
};

}  // namespace vx::ui
