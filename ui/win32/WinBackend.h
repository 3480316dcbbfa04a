#pragma once
// The Windows backend: a window per form, child windows for the native controls,
// GDI for drawing (while the backend exists), SetTimer timers and the thread's
// message queue. A hidden application window carries the application title (the
// running-copy search looks for it), owns the timers and the popup menus.
#include <windows.h>

#include <cstdint>
#include <map>
#include <memory>

#include "ui/Backend.h"
#include "ui/win32/GdiDrawing.h"
#include "ui/win32/WinHandles.h"
#include "ui/win32/WinWindowClass.h"

namespace vx::ui::win32 {

class WinBackend : public Backend, public WindowTarget {
public:
    // Loads the common controls and switches drawing to GDI.
    WinBackend();
    ~WinBackend() override;
    WinBackend(const WinBackend&) = delete;
    WinBackend& operator=(const WinBackend&) = delete;

    std::unique_ptr<FormPeer> CreateFormPeer(Form& form) override;
    std::unique_ptr<ControlPeer> CreateControlPeer(NativeControl& control, FormPeer& form) override;
    bool DispatchNext(bool wait) override;
    void RequestQuit() override;
    std::uint64_t NowMs() override;
    void Sleep(unsigned milliseconds) override;
    std::unique_ptr<TimerPeer> StartTimer(Timer& timer, unsigned intervalMs) override;
    Point CursorPos() override;
    Size ScreenSize() override;
    MenuItem* TrackPopupMenu(PopupMenu& menu, Point screen) override;
    void SetApplicationTitle(const std::string& title) override;
    Form* ActiveForm() override;
    platform::MsgAnswer ShowMessageBox(const platform::MessageRequest& request, Form* owner) override;
    void Post(std::function<void()> task) override;

    HWND ApplicationWindow() const { return appWindow_.Get(); }
    // Called by the timer peers.
    void StopTimer(UINT_PTR id);

private:
    LRESULT HandleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) override;
    bool PreTranslate(MSG& msg);
    void DropPostedTasks();

    GdiDrawing gdi_;
    WindowHandle appWindow_;
    bool quit_ = false;
    std::map<UINT_PTR, Timer*> timers_;
    UINT_PTR nextTimerId_ = 1;
    DWORD lastTick_ = 0;
    std::uint64_t tickWraps_ = 0;
};

}  // namespace vx::ui::win32

namespace vx::ui {

std::unique_ptr<Backend> CreateWin32Backend();

}  // namespace vx::ui
