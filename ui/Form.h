#pragma once
// A top-level window whose components are its fields. Left and Top are the
// window's screen position; Width and Height are its client size, laid out in
// pixels and never scaled. The first form created in an application is its main
// form: closing it ends the program.
//
// Create forms with MakeForm (or Application::CreateForm), which runs OnCreate once
// the derived form is complete, as Delphi does after loading a form. A form may be
// destroyed from its own event handlers; Release does it once the handler has
// returned.
//
// Keyboard: DispatchKey moves the focus with Tab and Shift+Tab through the
// showing, enabled controls whose TabStop is set, in tab order (a radio group is
// one stop: its checked button), moves within a radio group with the arrows, and
// presses the focused button or else the Default button with Enter and the
// Cancel button with Escape. A shown form without a focused control focuses its
// first tab stop. As from Windows 2000 on, controls show the focus only once the
// keyboard has been used in the form (FocusCues).
#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/Control.h"
#include "ui/LifeToken.h"
#include "ui/ModalResult.h"
#include "ui/MouseRouter.h"
#include "ui/Region.h"

namespace vx::ui {

class Application;
class Canvas;
class NativeControl;

enum class BorderStyle { None, Single, Sizeable, Dialog };
enum class WindowState { Normal, Minimized, Maximized };
enum class FormPosition { Designed, ScreenCenter };
enum class CloseAction { None, Hide };

// Paints native controls where no window system does (the host backend).
class NativePainter {
public:
    virtual ~NativePainter() = default;
    virtual void Paint(NativeControl& control, Canvas& canvas) = 0;
};

class Form : public Control {
public:
    Form() : Form(true) {}
    ~Form() override;

    std::function<void()> OnCreate;
    std::function<void()> OnShow;
    std::function<void()> OnHide;
    // Runs when the form closes; CloseAction::None keeps it open.
    std::function<void(CloseAction&)> OnClose;
    // After the background and before the controls.
    std::function<void(Canvas&)> OnPaint;

    void SetClientSize(int width, int height) { SetBounds(Left(), Top(), width, height); }
    int ClientWidth() const { return Width(); }
    int ClientHeight() const { return Height(); }

    FormPosition Position() const { return position_; }
    void SetPosition(FormPosition position) { position_ = position; }
    BorderStyle GetBorderStyle() const { return borderStyle_; }
    void SetBorderStyle(BorderStyle style);
    // System menu, minimise and maximise buttons of the title bar.
    bool TitleButtons() const { return titleButtons_; }
    void SetTitleButtons(bool shown);
    WindowState GetWindowState() const { return windowState_; }
    void SetWindowState(WindowState state);

    // The window's outline in client coordinates; nullopt: the whole rectangle.
    const std::optional<Region>& WindowRegion() const { return region_; }
    void SetWindowRegion(std::optional<Region> region);

    void Show();
    void Hide() { SetVisible(false); }
    // Shows the form, owned by the form that was active, and runs messages until
    // ModalResult is set, the form is closed or the application terminates (then
    // the result is Cancel). A form destroyed during its own run ends it with Cancel.
    ModalResult ShowModal();
    // Modal: ends the run with Cancel. Otherwise hides the form (OnClose may keep
    // it); closing the main form terminates the application.
    void Close();
    bool IsModal() const { return modal_; }
    ModalResult GetModalResult() const { return modalResult_; }
    void SetModalResult(ModalResult result) { modalResult_ = result; }
    // During a modal run, the form that was active when it began (its window stays
    // above the owner's); nullptr otherwise.
    Form* Owner() const { return owner_; }
    // Destroys the form once the event being handled has returned (a modal form
    // first ends its run with Cancel). The form must belong to the application
    // (Application::CreateForm or Adopt); throws std::logic_error otherwise.
    void Release();

    Control* ActiveControl() const { return activeControl_; }
    // Gives the control the focus (nullptr: the form itself).
    void SetActiveControl(Control* control);
    // Tab and Shift+Tab.
    void SelectNext(bool forward);
    // Whether controls show the focus: the keyboard has been used in the form.
    bool FocusCues() const { return focusCues_; }
    // A key reached the form or its focused control.
    void KeyboardUsed();

    // False while another form runs modally.
    bool AcceptsInput() const;

    // Runs OnCreate; MakeForm calls it.
    void DoCreate();

    // Called by the framework and backends.
    bool IsNative() const override { return false; }
    FormPeer* Peer() const { return peer_.get(); }
    // Background, OnPaint, then every showing windowless control in z-order; native
    // controls go to the painter when one is given.
    void PaintClient(Canvas& canvas, NativePainter* natives = nullptr);
    void DispatchMouse(const MouseEvent& event) { mouse_.Dispatch(event); }
    MouseRouter& Mouse() { return mouse_; }
    bool DispatchDialogChar(char c)
    {
        KeyboardUsed();
        return HandleDialogChar(c);
    }
    // A key pressed while the form is active and the focused control does not
    // handle it itself (see WantsKey); returns whether the form used it.
    bool DispatchKey(Key key, ShiftState shift = {});
    // The window system moved or sized the window (a drag, maximising): the new
    // screen position and client size.
    void NativePlaced(const Rect& bounds);
    // The focus moved to a native control (nullptr: to the form).
    void NativeFocusChanged(Control* control);
    // Controls join and leave the form.
    void AdoptSubtree(Control& subtree);
    void ForgetSubtree(Control& subtree);
    // A native control made on the shown form gets its window from AttachQueued,
    // which the message loop calls before each message.
    void QueueNative(NativeControl& control);
    void AttachQueued();
    LifeWatch Life() const { return life_.Watch(); }
    void InputChanged();
    // The pointer moved onto another control (nullptr: off the window), a button went down.
    void HoverChanged(Control* control);
    void ButtonPressed();
    // Shown above all windows without taking the focus, and never the target of the mouse (hints).
    bool InputTransparent() const { return inputTransparent_; }

protected:
    // Windows such as the hint window never become the main form.
    explicit Form(bool canBeMainForm);
    void SetInputTransparent() { inputTransparent_ = true; }
    void Changed(Change change) override;
    // The client background (the form's colour), then OnPaint.
    virtual void Paint(Canvas& canvas);

private:
    friend class Application;

    void CreatePeers();
    void ApplyShowPosition();
    bool CloseQuery();
    void BeginModalRun();
    void EndModalRun();
    void FocusFirst();
    bool MoveInGroup(bool forward);
    bool Press(Control* button);

    Application* app_ = nullptr;
    std::unique_ptr<FormPeer> peer_;
    MouseRouter mouse_{*this};
    FormPosition position_ = FormPosition::Designed;
    BorderStyle borderStyle_ = BorderStyle::Sizeable;
    bool titleButtons_ = true;
    WindowState windowState_ = WindowState::Normal;
    std::optional<Region> region_;
    bool shownOnce_ = false;
    bool placedNatively_ = false;
    bool inputTransparent_ = false;
    bool modal_ = false;
    ModalResult modalResult_ = ModalResult::None;
    Form* owner_ = nullptr;
    bool focusCues_ = false;
    Control* activeControl_ = nullptr;
    std::vector<NativeControl*> queued_;
    LifeToken life_;
};

// Makes a form and runs its OnCreate.
template <class F, class... Args>
std::unique_ptr<F> MakeForm(Args&&... args)
{
    auto form = std::make_unique<F>(std::forward<Args>(args)...);
    form->DoCreate();
    return form;
}

}  // namespace vx::ui
