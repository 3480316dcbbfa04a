#include "ui/win32/WinBackend.h"

#include <commctrl.h>

#include <stdexcept>

#include "platform/win32/WinMessageBoxes.h"
#include "ui/Form.h"
#include "ui/Timer.h"
#include "ui/win32/WinControlPeers.h"
#include "ui/win32/WinFormPeer.h"
#include "ui/win32/WinPopupMenu.h"
#include "ui/win32/WinTimerPeer.h"

namespace vx::ui::win32 {

namespace {

// Posted by RequestQuit so that a waiting DispatchNext returns.
constexpr UINT WakeMessage = WM_APP + 1;

HWND TopLevelOf(HWND hwnd)
{
    while (hwnd && (GetWindowLongPtrA(hwnd, GWL_STYLE) & WS_CHILD))
        hwnd = GetParent(hwnd);
    return hwnd;
}

bool WantsCharacters(MSG& msg)
{
    const LRESULT code = SendMessageA(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg));
    return (code & (DLGC_WANTCHARS | DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) != 0;
}

bool IsKeyMessage(UINT message)
{
    return message >= WM_KEYFIRST && message <= WM_KEYLAST;
}

}  // namespace

WinBackend::WinBackend()
{
    InitCommonControls();
    WindowParams params;
    params.windowClass = WindowClass::Application;
    params.style = WS_POPUP;
    appWindow_ = CreateTargetWindow(params, *this);
    lastTick_ = GetTickCount();
}

WinBackend::~WinBackend()
{
    for (const auto& [id, timer] : timers_)
        KillTimer(ApplicationWindow(), id);
    DetachTarget(ApplicationWindow());
    appWindow_.Reset();
}

std::unique_ptr<FormPeer> WinBackend::CreateFormPeer(Form& form)
{
    return std::make_unique<WinFormPeer>(form, ApplicationWindow());
}

std::unique_ptr<ControlPeer> WinBackend::CreateControlPeer(NativeControl& control, FormPeer& form)
{
    auto* windowForm = dynamic_cast<WinFormPeer*>(&form);
    if (!windowForm)
        throw std::logic_error("A native control on a form of another backend");
    return CreateWinControlPeer(control, *windowForm);
}

bool WinBackend::DispatchNext(bool wait)
{
    if (quit_)
        return false;
    MSG msg;
    if (wait) {
        if (GetMessageA(&msg, nullptr, 0, 0) <= 0)
            return false;
    } else if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE) || msg.message == WM_QUIT) {
        return false;
    }
    if (!PreTranslate(msg)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return true;
}

// Alt+letter, and letters the focused control does not take, are the form's
// accelerators; Tab, Enter and the arrows go to the dialog manager.
bool WinBackend::PreTranslate(MSG& msg)
{
    if (!IsKeyMessage(msg.message))
        return false;
    const HWND top = TopLevelOf(msg.hwnd);
    WinFormPeer* form = WinFormPeer::FromHandle(top);
    if (!form)
        return false;
    if (msg.message == WM_SYSCHAR || (msg.message == WM_CHAR && !WantsCharacters(msg)))
        return form->GetForm().DispatchDialogChar(static_cast<char>(msg.wParam));
    if (msg.message == WM_CHAR)
        return false;
    return IsDialogMessageA(top, &msg) != FALSE;
}

void WinBackend::RequestQuit()
{
    quit_ = true;
    PostMessageA(ApplicationWindow(), WakeMessage, 0, 0);
}

std::uint64_t WinBackend::NowMs()
{
    // GetTickCount wraps after 49.7 days.
    const DWORD tick = GetTickCount();
    if (tick < lastTick_)
        ++tickWraps_;
    lastTick_ = tick;
    return (tickWraps_ << 32) | tick;
}

void WinBackend::Sleep(unsigned milliseconds)
{
    ::Sleep(milliseconds);
}

std::unique_ptr<TimerPeer> WinBackend::StartTimer(Timer& timer, unsigned intervalMs)
{
    const UINT_PTR id = nextTimerId_++;
    if (!SetTimer(ApplicationWindow(), id, intervalMs, nullptr))
        throw std::runtime_error("Cannot start the timer " + timer.Name());
    timers_[id] = &timer;
    return std::make_unique<WinTimerPeer>(*this, id);
}

void WinBackend::StopTimer(UINT_PTR id)
{
    KillTimer(ApplicationWindow(), id);
    timers_.erase(id);
}

Point WinBackend::CursorPos()
{
    POINT p{0, 0};
    GetCursorPos(&p);
    return {p.x, p.y};
}

Size WinBackend::ScreenSize()
{
    return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

MenuItem* WinBackend::TrackPopupMenu(PopupMenu& menu, Point screen)
{
    return TrackMenu(menu, screen, ApplicationWindow());
}

void WinBackend::SetApplicationTitle(const std::string& title)
{
    SetWindowTextA(ApplicationWindow(), title.c_str());
    platform::SetPlainMessageCaption(title);
}

LRESULT WinBackend::HandleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_TIMER) {
        // A tick already queued when its timer stopped finds no entry.
        if (auto it = timers_.find(wParam); it != timers_.end())
            it->second->Fire();
        return 0;
    }
    if (message == WakeMessage)
        return 0;
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace vx::ui::win32

namespace vx::ui {

std::unique_ptr<Backend> CreateWin32Backend()
{
    return std::make_unique<win32::WinBackend>();
}

}  // namespace vx::ui
