#include "ui/win32/WinBackend.h"

#include <commctrl.h>

#include <optional>
#include <stdexcept>

#include "platform/win32/WinMessageBoxes.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/NativeControl.h"
#include "ui/Timer.h"
#include "ui/win32/WinControlPeers.h"
#include "ui/win32/WinFormPeer.h"
#include "ui/win32/WinPopupMenu.h"
#include "ui/win32/WinTimerPeer.h"

namespace vx::ui::win32 {

namespace {

// Posted by RequestQuit so that a waiting DispatchNext returns.
constexpr UINT WakeMessage = WM_APP + 1;
// Carries a task of Post in its LPARAM.
constexpr UINT TaskMessage = WM_APP + 2;

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

std::optional<Key> KeyOf(WPARAM virtualKey)
{
    switch (virtualKey) {
    case VK_TAB: return Key::Tab;
    case VK_RETURN: return Key::Enter;
    case VK_ESCAPE: return Key::Escape;
    case VK_SPACE: return Key::Space;
    case VK_LEFT: return Key::Left;
    case VK_RIGHT: return Key::Right;
    case VK_UP: return Key::Up;
    case VK_DOWN: return Key::Down;
    default: return std::nullopt;
    }
}

ShiftState KeysHeld()
{
    ShiftState keys;
    keys.shift = GetKeyState(VK_SHIFT) < 0;
    keys.ctrl = GetKeyState(VK_CONTROL) < 0;
    keys.alt = GetKeyState(VK_MENU) < 0;
    return keys;
}

// Whether the focused native control handles the key itself: the portable
// control says so, Space presses buttons, and an open drop-down list takes Enter
// and Escape to close itself. (The windows' own dialog codes are no guide: a
// multi-line edit asks for every key, Tab and Escape included.)
bool NativeTakesKey(const MSG& msg, Key key)
{
    // A part of a control (the edit box of a drop-down) belongs to the control.
    const WinControlPeer* peer = nullptr;
    for (HWND hwnd = msg.hwnd; hwnd && !peer && (GetWindowLongPtrA(hwnd, GWL_STYLE) & WS_CHILD); hwnd = GetParent(hwnd))
        peer = WinControlPeer::FromHandle(hwnd);
    if (!peer)
        return false;
    if (key == Key::Space || peer->Target().WantsKey(key))
        return true;
    if ((key != Key::Enter && key != Key::Escape) || peer->Target().Kind() != NativeKind::ComboBox)
        return false;
    return SendMessageA(peer->Handle(), CB_GETDROPPEDSTATE, 0, 0) != FALSE;
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
    DropPostedTasks();
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
    DispatchScope scope(*this);
    if (!PreTranslate(msg)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return true;
}

// Alt+letter, and letters the focused control does not take, are the form's
// accelerators; Tab, Enter, Escape, the arrows and Space go to the form unless
// the focused native control handles them itself.
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
    if (msg.message != WM_KEYDOWN)
        return false;
    form->GetForm().KeyboardUsed();
    const std::optional<Key> key = KeyOf(msg.wParam);
    if (!key || (msg.hwnd != top && NativeTakesKey(msg, *key)))
        return false;
    return form->GetForm().DispatchKey(*key, KeysHeld());
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
}

Form* WinBackend::ActiveForm()
{
    WinFormPeer* peer = WinFormPeer::FromHandle(GetActiveWindow());
    return peer ? &peer->GetForm() : nullptr;
}

// The box's own message loop dispatches timer ticks and posted messages meanwhile.
platform::MsgAnswer WinBackend::ShowMessageBox(const platform::MessageRequest& request, Form* owner)
{
    auto* ownerPeer = owner ? dynamic_cast<WinFormPeer*>(owner->Peer()) : nullptr;
    HWND ownerWindow = ownerPeer ? ownerPeer->Handle() : nullptr;
    return platform::ShowWinMessageBox(ownerWindow, request);
}

void WinBackend::Post(std::function<void()> task)
{
    auto* carried = new std::function<void()>(std::move(task));
    if (!PostMessageA(ApplicationWindow(), TaskMessage, 0, reinterpret_cast<LPARAM>(carried))) {
        delete carried;
        throw std::runtime_error("Cannot post a message to the application window");
    }
}

// Tasks still queued when the backend goes are never run.
void WinBackend::DropPostedTasks()
{
    MSG msg;
    while (PeekMessageA(&msg, ApplicationWindow(), TaskMessage, TaskMessage, PM_REMOVE))
        delete reinterpret_cast<std::function<void()>*>(msg.lParam);
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
    if (message == WM_CLOSE && hwnd == ApplicationWindow()) {
        // Other programs (the uninstaller) find the program by this window's title and
        // ask it to close: the program ends as its main form's Close ends it, rather
        // than losing the window its timers and tasks run on.
        Application& app = Application::Current();
        if (Form* main = app.MainForm())
            main->Close();
        else
            app.Terminate();
        return 0;
    }
    if (message == TaskMessage) {
        const std::unique_ptr<std::function<void()>> task(reinterpret_cast<std::function<void()>*>(lParam));
        (*task)();
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace vx::ui::win32

namespace vx::ui {

std::unique_ptr<Backend> CreateWin32Backend()
{
    return std::make_unique<win32::WinBackend>();
}

}  // namespace vx::ui
