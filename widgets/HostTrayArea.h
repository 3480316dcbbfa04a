#pragma once
// Records what would reach the notification area and lets tests send the
// area's notifications. Posted and sent messages arrive from the running
// application's message loop, as on Windows (on the host: on the virtual clock).
#include <vector>

#include "widgets/TrayArea.h"

namespace vx::widgets {

class HostTrayArea : public TrayArea {
public:
    struct Call {
        TrayAction action;
        TrayIconRecord record;
    };

    std::unique_ptr<TrayWindow> OpenWindow(TrayListener& listener) override;

    const std::vector<Call>& Calls() const { return calls_; }
    void ClearCalls() { calls_.clear(); }
    // Whether an icon is shown: added and not deleted since.
    bool IconShown() const { return shown_; }
    int WindowCount() const { return static_cast<int>(listeners_.size()); }
    int ForegroundRequests() const { return foregroundRequests_; }

    // Notifications as the shell posts them to every hidden window.
    void SendMouse(unsigned mouseMessage);
    void BroadcastTaskbarCreated();

private:
    friend class HostTrayWindow;

    std::vector<Call> calls_;
    // Each window's listener while it lives: a posted message may outlive it.
    std::vector<std::shared_ptr<TrayListener*>> listeners_;
    bool shown_ = false;
    int foregroundRequests_ = 0;
};

}  // namespace vx::widgets
