#include "widgets/HostTrayArea.h"

#include <algorithm>

namespace vx::widgets {

class HostTrayWindow : public TrayWindow {
public:
    HostTrayWindow(HostTrayArea& area, TrayListener& listener) : area_(area), listener_(listener)
    {
        area_.listeners_.push_back(&listener_);
    }
    ~HostTrayWindow() override
    {
        std::erase(area_.listeners_, &listener_);
        std::erase(area_.posted_, &listener_);
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
    void PostRefreshTip() override { area_.posted_.push_back(&listener_); }
    void BringToFront() override { ++area_.foregroundRequests_; }

private:
    HostTrayArea& area_;
    TrayListener& listener_;
};

std::unique_ptr<TrayWindow> HostTrayArea::OpenWindow(TrayListener& listener)
{
    return std::make_unique<HostTrayWindow>(*this, listener);
}

void HostTrayArea::SendMouse(unsigned mouseMessage)
{
    const std::vector<TrayListener*> listeners = listeners_;
    for (TrayListener* listener : listeners)
        listener->TrayMouse(mouseMessage);
}

void HostTrayArea::BroadcastTaskbarCreated()
{
    shown_ = false;
    const std::vector<TrayListener*> listeners = listeners_;
    for (TrayListener* listener : listeners)
        listener->TaskbarCreated();
}

void HostTrayArea::DeliverPosted()
{
    std::vector<TrayListener*> posted;
    posted.swap(posted_);
    for (TrayListener* listener : posted)
        listener->TrayRefreshTip();
}

}  // namespace vx::widgets
