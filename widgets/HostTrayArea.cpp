#include "widgets/HostTrayArea.h"

#include <algorithm>

#include "ui/Application.h"

namespace vx::widgets {

namespace {

// Runs the notification from the message loop, if the window is still there.
void PostTo(const std::shared_ptr<TrayListener*>& window, void (*deliver)(TrayListener&, unsigned), unsigned value)
{
    ui::Application::Current().GetBackend().Post([window, deliver, value] {
        if (*window)
            deliver(**window, value);
    });
}

}  // namespace

class HostTrayWindow : public TrayWindow {
public:
    HostTrayWindow(HostTrayArea& area, TrayListener& listener)
        : area_(area), listener_(std::make_shared<TrayListener*>(&listener))
    {
        area_.listeners_.push_back(listener_);
    }
    ~HostTrayWindow() override
    {
        *listener_ = nullptr;
        std::erase(area_.listeners_, listener_);
    }

    bool Notify(TrayAction action, const TrayIconRecord& record) override
    {
        area_.calls_.push_back({action, record});
        // As the shell does: no second add, no change or removal of a missing icon.
        const bool ok = (action == TrayAction::Add) != area_.shown_;
        if (ok && action != TrayAction::Modify)
            area_.shown_ = action == TrayAction::Add;
        return ok;
    }
    void PostRefreshTip() override
    {
        PostTo(listener_, [](TrayListener& l, unsigned) { l.TrayRefreshTip(); }, 0);
    }
    void BringToFront() override { ++area_.foregroundRequests_; }

private:
    HostTrayArea& area_;
    std::shared_ptr<TrayListener*> listener_;
};

std::unique_ptr<TrayWindow> HostTrayArea::OpenWindow(TrayListener& listener)
{
    return std::make_unique<HostTrayWindow>(*this, listener);
}

void HostTrayArea::SendMouse(unsigned mouseMessage)
{
    for (const auto& window : listeners_)
        PostTo(window, [](TrayListener& l, unsigned message) { l.TrayMouse(message); }, mouseMessage);
}

void HostTrayArea::BroadcastTaskbarCreated()
{
    shown_ = false;
    for (const auto& window : listeners_)
        PostTo(window, [](TrayListener& l, unsigned) { l.TaskbarCreated(); }, 0);
}

}  // namespace vx::widgets
