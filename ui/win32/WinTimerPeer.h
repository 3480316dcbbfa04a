#pragma once
// A running SetTimer timer of the application window.
#include <windows.h>

#include "ui/Backend.h"

namespace vx::ui::win32 {

class WinBackend;

class WinTimerPeer : public TimerPeer {
public:
    WinTimerPeer(WinBackend& backend, UINT_PTR id) : backend_(backend), id_(id) {}
    ~WinTimerPeer() override;
    WinTimerPeer(const WinTimerPeer&) = delete;
    WinTimerPeer& operator=(const WinTimerPeer&) = delete;

private:
    WinBackend& backend_;
    UINT_PTR id_ = 0;
};

}  // namespace vx::ui::win32
