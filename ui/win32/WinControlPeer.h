#pragma once
// The child window of a native control. The base places, shows, enables and
// colours the window and keeps its font; each kind adds its window class, its own
// state and its notifications. The window is subclassed so that its mouse
// messages and focus reach the form too.
#include <windows.h>

#include <string>
#include <vector>

#include "ui/Backend.h"
#include "ui/Color.h"
#include "ui/win32/GdiHandles.h"
#include "ui/win32/WinHandles.h"

namespace vx::ui {
class NativeControl;
}

namespace vx::ui::win32 {

class WinFormPeer;

class WinControlPeer : public ControlPeer {
public:
    WinControlPeer(NativeControl& control, WinFormPeer& form);
    ~WinControlPeer() override;
    WinControlPeer(const WinControlPeer&) = delete;
    WinControlPeer& operator=(const WinControlPeer&) = delete;

    // Makes the window; called once the derived peer is complete.
    void Create();
    void Update(Change change) override;

    HWND Handle() const { return window_.Get(); }
    int Id() const { return id_; }
    NativeControl& Target() const { return control_; }
    // The peer of a window of ours (a control or one of its parts), or nullptr.
    static WinControlPeer* FromHandle(HWND hwnd);

    // WM_COMMAND from the window.
    virtual void Command(WORD code) = 0;
    // WM_NOTIFY and WM_DRAWITEM; false: not a notification this kind handles.
    virtual bool Notify(const NMHDR& header, LRESULT& result);
    virtual bool DrawItem(const DRAWITEMSTRUCT& item);
    // WM_CTLCOLOR*: the control's colours.
    HBRUSH ColorBrush(HDC dc);

protected:
    struct ChildWindowParams {
        const char* className = "";
        DWORD style = 0;
        DWORD exStyle = 0;
    };
    virtual ChildWindowParams ChildParams() const = 0;
    // Shows the kind's own state (text, checks, items ...) on a new window.
    virtual void SyncState() = 0;
    // After the common handling of every change.
    virtual void UpdateKind(Change change) = 0;
    // In form coordinates.
    virtual Rect WindowBounds() const;

    WinFormPeer& FormWindow() const { return form_; }
    // A changed style that only a new window shows.
    void Recreate();
    // Another window of this control (an up-down's arrows): mouse and notifications.
    void Subclass(HWND hwnd);
    // SyncState and UpdateKind run while this is true: the notifications that our
    // own writes to the window cause are not the user's doing.
    bool Syncing() const { return syncing_ > 0; }
    // The window (or a part of it) got the keyboard focus.
    void FocusGained();

private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void MakeWindow();
    void DestroyWindowNow();
    void Unsubclass(HWND hwnd);
    void ApplyFont();
    void ApplyBounds();
    void ApplyVisible();

    NativeControl& control_;
    WinFormPeer& form_;
    int id_ = 0;
    WindowHandle window_;
    FontHandle font_;
    BrushHandle brush_;
    Color brushColor_ = 0;
    int syncing_ = 0;
    std::vector<HWND> subclassed_;
};

// Reads a window's text.
std::string WindowText(HWND hwnd);
// Empties a list or combo box with the reset message and adds the items.
void ReplaceItems(HWND hwnd, UINT reset, UINT add, const std::vector<std::string>& items);

}  // namespace vx::ui::win32
