#pragma once
// A form's top-level window. It paints the client area through the portable form
// into an off-screen bitmap, turns mouse, close and move messages into the form's
// events and hands the notifications of the native child controls to their peers.
#include <windows.h>

#include <memory>

#include "ui/Backend.h"
#include "ui/Bitmap.h"
#include "ui/Input.h"
#include "ui/LifeToken.h"
#include "ui/win32/WinHandles.h"
#include "ui/win32/WinWindowClass.h"

namespace vx::ui {
class Form;
}

namespace vx::ui::win32 {

class WinFormPeer : public FormPeer, public WindowTarget {
public:
    // Input-transparent windows (hints) are owned by the application window, a
    // form in a modal run by its owner's window.
    WinFormPeer(Form& form, HWND applicationWindow);
    ~WinFormPeer() override;
    WinFormPeer(const WinFormPeer&) = delete;
    WinFormPeer& operator=(const WinFormPeer&) = delete;

    void Update(Change change) override;
    void Invalidate(const Rect& area) override;
    void PaintNow() override;
    void SetCapture(bool captured) override;
    Point ClientOrigin() const override;
    void BringToFront() override;

    HWND Handle() const { return window_.Get(); }
    Form& GetForm() const { return form_; }
    int NextControlId() { return nextControlId_++; }
    // A mouse message of a native control, in the control's client coordinates.
    void ChildMouse(HWND child, UINT message, WPARAM wParam, LPARAM lParam);
    // The form window of a top-level window of ours, or nullptr.
    static WinFormPeer* FromHandle(HWND hwnd);

private:
    LRESULT HandleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) override;
    bool ChildNotification(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void Dispatch(const MouseEvent& event);
    void Paint();
    void ApplyBounds();
    void ApplyStyle();
    void ApplyRegion();
    void ApplyVisible();
    void ApplyInput();
    int ShowCommand() const;
    void WindowPlaced();
    void StartLeaveCheck();
    void CheckLeave();
    void RestoreFocus();
    void ApplyOwner();

    Form& form_;
    bool popup_ = false;
    WindowHandle window_;
    Bitmap back_;
    int applying_ = 0;            // placing or restyling the window ourselves
    bool childEvent_ = false;     // dispatching a native control's mouse message
    bool leaveCheck_ = false;     // the pointer is over the window: watch for it to leave
    int nextControlId_ = 100;
    LifeToken life_;  // a handler may destroy the form, and this peer with it
};

}  // namespace vx::ui::win32
