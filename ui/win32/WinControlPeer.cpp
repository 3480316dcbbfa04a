#include "ui/win32/WinControlPeer.h"

#include <algorithm>
#include <stdexcept>

#include "ui/Form.h"
#include "ui/NativeControl.h"
#include "ui/win32/GdiFont.h"
#include "ui/win32/NestingGuard.h"
#include "ui/win32/WinFormPeer.h"
#include "ui/win32/WinWindowClass.h"

namespace vx::ui::win32 {

namespace {

constexpr const char* PeerProp = "VxPeer";
constexpr const char* ProcProp = "VxProc";

bool IsMouseMessage(UINT message)
{
    return message >= WM_MOUSEFIRST && message <= WM_MBUTTONDBLCLK;
}

}  // namespace

std::string WindowText(HWND hwnd)
{
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(hwnd)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

void ReplaceItems(HWND hwnd, UINT reset, UINT add, const std::vector<std::string>& items)
{
    SendMessageA(hwnd, reset, 0, 0);
    for (const std::string& item : items)
        SendMessageA(hwnd, add, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

WinControlPeer::WinControlPeer(NativeControl& control, WinFormPeer& form)
    : control_(control), form_(form), id_(form.NextControlId())
{
}

WinControlPeer::~WinControlPeer()
{
    DestroyWindowNow();
}

void WinControlPeer::Create()
{
    MakeWindow();
}

WinControlPeer* WinControlPeer::FromHandle(HWND hwnd)
{
    return hwnd ? static_cast<WinControlPeer*>(GetPropA(hwnd, PeerProp)) : nullptr;
}

bool WinControlPeer::Notify(const NMHDR&, LRESULT&)
{
    return false;
}

bool WinControlPeer::DrawItem(const DRAWITEMSTRUCT&)
{
    return false;
}

HBRUSH WinControlPeer::ColorBrush(HDC dc)
{
    const Color back = ColorToRgb(control_.GetColor());
    if (!brush_ || brushColor_ != back) {
        brush_.Reset(CreateSolidBrush(back));
        brushColor_ = back;
    }
    SetTextColor(dc, ColorToRgb(control_.GetFont().color));
    SetBkColor(dc, back);
    return brush_.Get();
}

void WinControlPeer::Update(Change change)
{
    switch (change) {
    case Change::Bounds: ApplyBounds(); break;
    case Change::Visible: ApplyVisible(); break;
    case Change::Enabled: EnableWindow(Handle(), control_.IsEnabledInTree() ? TRUE : FALSE); break;
    case Change::TextFont: ApplyFont(); break;
    case Change::BackColor: InvalidateRect(Handle(), nullptr, TRUE); break;
    case Change::Focus: ::SetFocus(Handle()); break;
    default: break;
    }
    NestingGuard quiet(syncing_);
    UpdateKind(change);
}

Rect WinControlPeer::WindowBounds() const
{
    return control_.BoundsInForm();
}

void WinControlPeer::Recreate()
{
    const bool focused = GetFocus() == Handle();
    DestroyWindowNow();
    MakeWindow();
    if (focused)
        ::SetFocus(Handle());
}

void WinControlPeer::FocusGained()
{
    if (Form* form = control_.OwningForm())
        form->NativeFocusChanged(&control_);
}

void WinControlPeer::MakeWindow()
{
    const ChildWindowParams params = ChildParams();
    const Rect b = WindowBounds();
    const DWORD style = WS_CHILD | WS_CLIPSIBLINGS | params.style | (control_.IsShowing() ? WS_VISIBLE : 0) |
                        (control_.IsEnabledInTree() ? 0 : WS_DISABLED);
    HWND hwnd = CreateWindowExA(params.exStyle, params.className, "", style, b.left, b.top, b.Width(), b.Height(),
                                form_.Handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id_)), ModuleInstance(),
                                nullptr);
    if (!hwnd)
        throw std::runtime_error(std::string("Cannot create a ") + params.className + " window for " + control_.Name());
    window_.Reset(hwnd);
    Subclass(hwnd);
    ApplyFont();
    NestingGuard quiet(syncing_);
    SyncState();
}

void WinControlPeer::DestroyWindowNow()
{
    // Messages sent while the window goes must not reach the control, which may
    // be half destroyed already.
    for (HWND hwnd : std::vector<HWND>(subclassed_))
        Unsubclass(hwnd);
    window_.Reset();
}

void WinControlPeer::Subclass(HWND hwnd)
{
    SetPropA(hwnd, PeerProp, this);
    const LONG_PTR original = SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SubclassProc));
    SetPropA(hwnd, ProcProp, reinterpret_cast<HANDLE>(original));
    subclassed_.push_back(hwnd);
}

void WinControlPeer::Unsubclass(HWND hwnd)
{
    if (HANDLE original = GetPropA(hwnd, ProcProp))
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
    RemovePropA(hwnd, ProcProp);
    RemovePropA(hwnd, PeerProp);
    subclassed_.erase(std::remove(subclassed_.begin(), subclassed_.end(), hwnd), subclassed_.end());
}

// The window's own handling first, as Windows programs do: a button has clicked
// before the form hears of the release.
LRESULT CALLBACK WinControlPeer::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    const auto original = reinterpret_cast<WNDPROC>(GetPropA(hwnd, ProcProp));
    WinControlPeer* peer = FromHandle(hwnd);
    if (message == WM_NCDESTROY && peer)
        peer->Unsubclass(hwnd);
    const LRESULT result = original ? CallWindowProcA(original, hwnd, message, wParam, lParam)
                                    : DefWindowProcA(hwnd, message, wParam, lParam);
    // The handling may have destroyed the control and its window.
    if (!peer || FromHandle(hwnd) != peer)
        return result;
    if (IsMouseMessage(message))
        peer->form_.ChildMouse(hwnd, message, wParam, lParam);
    else if (message == WM_SETFOCUS)
        peer->FocusGained();
    return result;
}

void WinControlPeer::ApplyFont()
{
    FontHandle font = CreateFontHandle(control_.GetFont());
    SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), TRUE);
    // The window now uses the new font; the old one can go.
    font_ = std::move(font);
}

void WinControlPeer::ApplyBounds()
{
    const Rect b = WindowBounds();
    SetWindowPos(Handle(), nullptr, b.left, b.top, b.Width(), b.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

void WinControlPeer::ApplyVisible()
{
    ShowWindow(Handle(), control_.IsShowing() ? SW_SHOWNA : SW_HIDE);
}

}  // namespace vx::ui::win32
