#include "ui/win32/WinFormPeer.h"

#include "ui/Form.h"
#include "ui/NativeControl.h"
#include "ui/win32/GdiCanvas.h"
#include "ui/win32/GdiRegion.h"
#include "ui/win32/NestingGuard.h"
#include "ui/win32/WinControlPeer.h"
#include "ui/win32/WinFormStyle.h"
#include "ui/win32/WinGeometry.h"
#include "ui/win32/WinMouse.h"

namespace vx::ui::win32 {

namespace {

constexpr UINT_PTR LeaveCheckTimer = 1;
constexpr UINT LeaveCheckMs = 50;

bool OwnsWindow(HWND form, HWND other)
{
    return other && (other == form || IsChild(form, other));
}

// The window of the form's owner during a modal run, or nullptr.
HWND OwnerWindow(const Form& form)
{
    const auto* owner = form.Owner() ? dynamic_cast<const WinFormPeer*>(form.Owner()->Peer()) : nullptr;
    return owner ? owner->Handle() : nullptr;
}

}  // namespace

WinFormPeer::WinFormPeer(Form& form, HWND applicationWindow)
    : form_(form), popup_(form.InputTransparent())
{
    const FormWindowStyle style = StyleFor(form_, popup_);
    WindowParams params;
    params.style = style.style;
    params.exStyle = style.exStyle;
    params.title = form_.Caption().c_str();
    params.owner = popup_ ? applicationWindow : OwnerWindow(form_);
    params.bounds = WindowRectFor(form_, style);
    {
        NestingGuard guard(applying_);
        window_ = CreateTargetWindow(params, *this);
    }
    ApplyRegion();
    ApplyInput();
}

WinFormPeer::~WinFormPeer()
{
    DetachTarget(window_.Get());
}

WinFormPeer* WinFormPeer::FromHandle(HWND hwnd)
{
    return dynamic_cast<WinFormPeer*>(TargetOf(hwnd));
}

void WinFormPeer::Update(Change change)
{
    switch (change) {
    case Change::Bounds:
        if (!applying_)
            ApplyBounds();
        break;
    case Change::Visible: ApplyVisible(); break;
    case Change::Caption: SetWindowTextA(Handle(), form_.Caption().c_str()); break;
    case Change::Style: ApplyStyle(); break;
    case Change::WindowRegion: ApplyRegion(); break;
    case Change::ShowState:
        if (form_.Visible())
            ShowWindow(Handle(), ShowCommand());
        break;
    case Change::Enabled:
    case Change::Input: ApplyInput(); break;
    case Change::Modal: ApplyOwner(); break;
    case Change::Focus:
        // A windowless control has the focus while the form's window has it.
        if (GetActiveWindow() == Handle())
            ::SetFocus(Handle());
        break;
    case Change::BackColor:
    case Change::TextFont:
    case Change::Appearance: InvalidateRect(Handle(), nullptr, FALSE); break;
    default:
        // The rest (checks, texts, items ...) belong to controls, not to forms.
        break;
    }
}

void WinFormPeer::Invalidate(const Rect& area)
{
    const RECT r = ToRECT(area);
    InvalidateRect(Handle(), &r, FALSE);
}

void WinFormPeer::PaintNow()
{
    UpdateWindow(Handle());
}

// A native control takes the capture itself when pressed; taking it away would
// lose its click.
void WinFormPeer::SetCapture(bool captured)
{
    if (captured) {
        if (!childEvent_)
            ::SetCapture(Handle());
    } else if (GetCapture() == Handle()) {
        ReleaseCapture();
    }
}

Point WinFormPeer::ClientOrigin() const
{
    POINT p{0, 0};
    ClientToScreen(Handle(), &p);
    return {p.x, p.y};
}

void WinFormPeer::BringToFront()
{
    if (popup_)
        SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    else
        SetForegroundWindow(Handle());
}

void WinFormPeer::ChildMouse(HWND child, UINT message, WPARAM wParam, LPARAM lParam)
{
    std::optional<MouseEvent> event = MouseEventFromMessage(message, wParam, lParam);
    if (!event)
        return;
    POINT p{event->pos.x, event->pos.y};
    MapWindowPoints(child, Handle(), &p, 1);
    event->pos = {p.x, p.y};
    childEvent_ = true;
    const LifeWatch alive = life_.Watch();
    Dispatch(*event);
    if (alive.Alive())
        childEvent_ = false;
}

void WinFormPeer::Dispatch(const MouseEvent& event)
{
    const LifeWatch alive = life_.Watch();
    form_.DispatchMouse(event);
    if (alive.Alive())
        StartLeaveCheck();
}

LRESULT WinFormPeer::HandleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (std::optional<MouseEvent> event = MouseEventFromMessage(message, wParam, lParam)) {
        Dispatch(*event);
        return 0;
    }
    LRESULT result = 0;
    if (ChildNotification(message, wParam, lParam, result))
        return result;
    switch (message) {
    case WM_PAINT: Paint(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_CLOSE: form_.Close(); return 0;
    case WM_MOVE:
    case WM_SIZE: WindowPlaced(); break;
    case WM_SETFOCUS: RestoreFocus(); return 0;
    case WM_MOUSEACTIVATE:
        if (popup_)
            return MA_NOACTIVATE;
        break;
    case WM_NCHITTEST:
        // The mouse goes through a hint to the window beneath.
        if (popup_)
            return HTTRANSPARENT;
        break;
    case WM_TIMER:
        if (wParam == LeaveCheckTimer) {
            CheckLeave();
            return 0;
        }
        break;
    default: break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

bool WinFormPeer::ChildNotification(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    WinControlPeer* peer = nullptr;
    switch (message) {
    case WM_COMMAND:
        if ((peer = WinControlPeer::FromHandle(reinterpret_cast<HWND>(lParam))))
            peer->Command(HIWORD(wParam));
        return peer != nullptr;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        peer = WinControlPeer::FromHandle(header->hwndFrom);
        return peer && peer->Notify(*header, result);
    }
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        peer = WinControlPeer::FromHandle(item->hwndItem);
        result = TRUE;
        return peer && peer->DrawItem(*item);
    }
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
        if ((peer = WinControlPeer::FromHandle(reinterpret_cast<HWND>(lParam))))
            result = reinterpret_cast<LRESULT>(peer->ColorBrush(reinterpret_cast<HDC>(wParam)));
        return peer != nullptr;
    default: return false;
    }
}

void WinFormPeer::Paint()
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(Handle(), &ps);
    const Rect area = FromRECT(ps.rcPaint);
    if (!area.IsEmpty() && form_.ClientWidth() > 0 && form_.ClientHeight() > 0) {
        if (back_.Width() != form_.ClientWidth() || back_.Height() != form_.ClientHeight())
            back_ = Bitmap(form_.ClientWidth(), form_.ClientHeight());
        Canvas& canvas = back_.GetCanvas();
        canvas.SetClipRect(area);
        form_.PaintClient(canvas);
        canvas.ClearClip();
        GdiCanvas screen(dc);
        screen.Draw(0, 0, back_);
    }
    EndPaint(Handle(), &ps);
}

void WinFormPeer::ApplyBounds()
{
    NestingGuard guard(applying_);
    const Rect r = WindowRectFor(form_, StyleFor(form_, popup_));
    SetWindowPos(Handle(), nullptr, r.left, r.top, r.Width(), r.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

void WinFormPeer::ApplyStyle()
{
    constexpr DWORD kept = WS_VISIBLE | WS_DISABLED | WS_MINIMIZE | WS_MAXIMIZE;
    const FormWindowStyle style = StyleFor(form_, popup_);
    {
        NestingGuard guard(applying_);
        const auto old = static_cast<DWORD>(GetWindowLongPtrA(Handle(), GWL_STYLE));
        SetWindowLongPtrA(Handle(), GWL_STYLE, static_cast<LONG_PTR>(style.style | (old & kept)));
        SetWindowLongPtrA(Handle(), GWL_EXSTYLE, static_cast<LONG_PTR>(style.exStyle));
        SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
    ApplyBounds();
    ApplyRegion();
}

// The form's region is in client coordinates, a window region in window coordinates.
void WinFormPeer::ApplyRegion()
{
    const std::optional<Region>& region = form_.WindowRegion();
    if (!region) {
        SetWindowRgn(Handle(), nullptr, TRUE);
        return;
    }
    RECT window;
    GetWindowRect(Handle(), &window);
    const Point client = ClientOrigin();
    Region shifted = *region;
    shifted.Offset(client.x - window.left, client.y - window.top);
    RegionHandle handle = ToHrgn(shifted);
    // The window owns the region from here on.
    if (SetWindowRgn(Handle(), handle.Get(), TRUE))
        handle.Release();
}

void WinFormPeer::ApplyVisible()
{
    ShowWindow(Handle(), form_.Visible() ? ShowCommand() : SW_HIDE);
    if (!form_.Visible() && leaveCheck_) {
        KillTimer(Handle(), LeaveCheckTimer);
        leaveCheck_ = false;
    }
}

void WinFormPeer::ApplyInput()
{
    EnableWindow(Handle(), form_.AcceptsInput() ? TRUE : FALSE);
}

int WinFormPeer::ShowCommand() const
{
    if (popup_)
        return SW_SHOWNOACTIVATE;
    switch (form_.GetWindowState()) {
    case WindowState::Minimized: return SW_SHOWMINIMIZED;
    case WindowState::Maximized: return SW_SHOWMAXIMIZED;
    case WindowState::Normal: break;
    }
    return IsIconic(Handle()) || IsZoomed(Handle()) ? SW_RESTORE : SW_SHOW;
}

// The user dragged, sized or maximised the window.
void WinFormPeer::WindowPlaced()
{
    if (applying_ || IsIconic(Handle()))
        return;
    RECT window;
    RECT client;
    GetWindowRect(Handle(), &window);
    GetClientRect(Handle(), &client);
    const Rect placed = Rect::Bounds(window.left, window.top, client.right, client.bottom);
    if (placed != form_.Bounds())
        form_.NativePlaced(placed);
}

// Windows 95 has no TrackMouseEvent: a timer watches for the pointer to leave.
void WinFormPeer::StartLeaveCheck()
{
    if (leaveCheck_)
        return;
    leaveCheck_ = SetTimer(Handle(), LeaveCheckTimer, LeaveCheckMs, nullptr) != 0;
}

void WinFormPeer::CheckLeave()
{
    POINT cursor;
    GetCursorPos(&cursor);
    // A held button keeps the pointer with the window until it is released.
    if (OwnsWindow(Handle(), WindowFromPoint(cursor)) || OwnsWindow(Handle(), GetCapture()))
        return;
    KillTimer(Handle(), LeaveCheckTimer);
    leaveCheck_ = false;
    form_.DispatchMouse({MouseAction::Leave, MouseButton::Left, {}, {}});
}

// Back to the native control that had the focus when the window was last active;
// with a windowless control focused (or none) the form's window keeps it.
void WinFormPeer::RestoreFocus()
{
    auto* native = dynamic_cast<NativeControl*>(form_.ActiveControl());
    if (!native)
        return;
    if (auto* peer = dynamic_cast<WinControlPeer*>(native->Peer()))
        ::SetFocus(peer->Handle());
}

// An owned window stays above its owner and has no taskbar button. The popup
// hint window keeps the application window as its owner.
void WinFormPeer::ApplyOwner()
{
    if (!popup_)
        SetWindowLongPtrA(Handle(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(OwnerWindow(form_)));
}

}  // namespace vx::ui::win32
