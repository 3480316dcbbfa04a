#pragma once
// A top-level window whose components are its fields. Left and Top are the
// window's screen position; Width and Height are its client size, laid out in
// pixels and never scaled. The first form created in an application is its main
// form: closing it ends the program.
//
// Create forms with MakeForm (or Application::CreateForm), which runs OnCreate once
// the derived form is complete, as Delphi does after loading a form.
#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <utility>

#include "ui/Control.h"
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
    // Shows the form and runs messages until ModalResult is set, the form is
    // closed or the application terminates (then the result is Cancel).
    ModalResult ShowModal();
    // Modal: ends the run with Cancel. Otherwise hides the form (OnClose may keep
    // it); closing the main form terminates the application.
    void Close();
    bool IsModal() const { return modal_; }
    ModalResult GetModalResult() const { return modalResult_; }
    void SetModalResult(ModalResult result) { modalResult_ = result; }

    Control* ActiveControl() const { return activeControl_; }
    void SetActiveControl(Control* control);

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
    bool DispatchDialogChar(char c) { return HandleDialogChar(c); }
    // The window system moved or sized the window (a drag, maximising): the new
    // screen position and client size.
    void NativePlaced(const Rect& bounds);
    // The focus moved to a native control (nullptr: to the form).
    void NativeFocusChanged(Control* control);
    // Controls join and leave the form.
    void AdoptSubtree(Control& subtree);
    void ForgetSubtree(Control& subtree);
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
    Control* activeControl_ = nullptr;
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
