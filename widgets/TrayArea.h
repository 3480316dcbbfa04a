#pragma once
// The taskbar notification area as the tray icon component sees it: a hidden
// window of the component's own that adds, modifies and deletes one icon and
// passes the area's notifications back. Shell_NotifyIconA on Windows; recorded by
// HostTrayArea elsewhere and in tests.
#include <cstdint>
#include <memory>
#include <string>

#include "platform/CurrentService.h"
#include "ui/Bitmap.h"

namespace vx::widgets {

// The mouse messages that arrive with the callback message.
constexpr unsigned TrayLeftButtonUp = 514;      // WM_LBUTTONUP
constexpr unsigned TrayLeftButtonDouble = 515;  // WM_LBUTTONDBLCLK
constexpr unsigned TrayRightButtonUp = 517;     // WM_RBUTTONUP
constexpr unsigned TrayCallbackMessage = 1025;  // WM_USER + 1
constexpr unsigned TrayRefreshTipMessage = 1026;  // WM_USER + 2

// The notification record (NOTIFYICONDATA of 88 bytes).
struct TrayIconRecord {
    std::uint32_t size = 88;
    std::uint32_t id = 0;
    std::uint32_t flags = 7;  // message, icon, tip
    std::uint32_t callbackMessage = TrayCallbackMessage;
    // The icon's picture; pixels of its bottom-left colour are transparent.
    ui::Bitmap icon;
    std::string tip;
};

enum class TrayAction { Add, Modify, Delete };

// What the hidden window hands back to the component.
class TrayListener {
public:
    // The callback message with its mouse message.
    virtual void TrayMouse(unsigned mouseMessage) = 0;
    virtual void TrayRefreshTip() = 0;
    // The taskbar was re-created (Explorer restarted): the icon is gone.
    virtual void TaskbarCreated() = 0;

protected:
    ~TrayListener() = default;
};

class TrayWindow {
public:
    virtual ~TrayWindow() = default;
    virtual bool Notify(TrayAction action, const TrayIconRecord& record) = 0;
    // Posts the tip refresh to the window itself; it arrives from the message loop.
    virtual void PostRefreshTip() = 0;
    // Takes the foreground, so that a menu opened next closes when the user clicks elsewhere.
    virtual void BringToFront() = 0;
};

class TrayArea {
public:
    virtual ~TrayArea() = default;
    virtual std::unique_ptr<TrayWindow> OpenWindow(TrayListener& listener) = 0;
};

inline TrayArea& CurrentTrayArea()
{
    return platform::CurrentService<TrayArea>::Get();
}

}  // namespace vx::widgets
