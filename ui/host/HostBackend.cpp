#include "ui/host/HostBackend.h"

#include <algorithm>

#include "ui/Form.h"
#include "ui/PopupMenu.h"
#include "ui/Timer.h"
#include "ui/host/HostPeers.h"

namespace vx::ui {

namespace {

class HostTimerPeer : public TimerPeer {
public:
    HostTimerPeer(HostBackend& backend, int id) : backend_(backend), id_(id) {}
    ~HostTimerPeer() override { backend_.StopTimer(id_); }
    HostTimerPeer(const HostTimerPeer&) = delete;
    HostTimerPeer& operator=(const HostTimerPeer&) = delete;

private:
    HostBackend& backend_;
    int id_ = 0;
};

}  // namespace

HostBackend::~HostBackend() = default;

std::unique_ptr<FormPeer> HostBackend::CreateFormPeer(Form& form)
{
    auto peer = std::make_unique<HostFormPeer>(*this, form);
    peers_.push_back(peer.get());
    return peer;
}

std::unique_ptr<ControlPeer> HostBackend::CreateControlPeer(NativeControl& control, FormPeer&)
{
    return std::make_unique<HostControlPeer>(control);
}

bool HostBackend::DispatchNext(bool wait)
{
    if (quit_)
        return false;
    if (DispatchDue())
        return true;
    if (!wait)
        return false;
    const std::optional<std::uint64_t> next = NextDue();
    if (!next) {
        throw HostIdleError("The program waits for input at " + std::to_string(now_) +
                            " ms, but nothing more is scripted and no timer runs");
    }
    now_ = std::max(now_, *next);
    return DispatchDue();
}

// Scripted input first, then timer ticks, as a Windows queue gives WM_TIMER last.
bool HostBackend::DispatchDue()
{
    if (!script_.empty() && script_.front().due <= now_) {
        std::function<void()> action = std::move(script_.front().action);
        script_.pop_front();
        action();
        return true;
    }
    auto due = timers_.end();
    for (auto it = timers_.begin(); it != timers_.end(); ++it) {
        if (it->second.due <= now_ && (due == timers_.end() || it->second.due < due->second.due))
            due = it;
    }
    if (due == timers_.end())
        return false;
    due->second.due = now_ + due->second.interval;
    Timer* timer = due->second.timer;  // the entry may go while the handler runs
    timer->Fire();
    return true;
}

std::optional<std::uint64_t> HostBackend::NextDue() const
{
    std::optional<std::uint64_t> next;
    if (!script_.empty())
        next = script_.front().due;
    for (const auto& [id, entry] : timers_) {
        if (!next || entry.due < *next)
            next = entry.due;
    }
    return next;
}

std::unique_ptr<TimerPeer> HostBackend::StartTimer(Timer& timer, unsigned intervalMs)
{
    const int id = nextTimerId_++;
    timers_[id] = TimerEntry{&timer, intervalMs, now_ + intervalMs};
    return std::make_unique<HostTimerPeer>(*this, id);
}

MenuItem* HostBackend::TrackPopupMenu(PopupMenu& menu, Point screen)
{
    cursor_ = screen;
    menusShown_.push_back(menu.Name());
    if (menuChoices_.empty())
        return nullptr;
    const std::string choice = std::move(menuChoices_.front());
    menuChoices_.pop_front();
    if (choice.empty())
        return nullptr;
    MenuItem* item = menu.FindItem(choice);
    if (!item || !item->Visible() || item->IsSeparator())
        throw std::logic_error("Menu " + menu.Name() + " shows no item " + choice);
    return item->Enabled() ? item : nullptr;
}

void HostBackend::Advance(unsigned milliseconds)
{
    const std::uint64_t target = now_ + milliseconds;
    for (;;) {
        while (!quit_ && DispatchDue()) {
        }
        const std::optional<std::uint64_t> next = NextDue();
        if (quit_ || !next || *next > target)
            break;
        now_ = std::max(now_, *next);
    }
    now_ = std::max(now_, target);
}

void HostBackend::At(std::uint64_t ms, std::function<void()> action)
{
    const auto at = std::upper_bound(script_.begin(), script_.end(), ms,
                                     [](std::uint64_t due, const Scripted& s) { return due < s.due; });
    script_.insert(at, Scripted{ms, std::move(action)});
    lastScripted_ = std::max(lastScripted_, ms);
}

void HostBackend::Then(unsigned ms, std::function<void()> action)
{
    At(std::max(lastScripted_, now_) + ms, std::move(action));
}

std::vector<HostFormPeer*> HostBackend::WindowsTopFirst() const
{
    return {shown_.rbegin(), shown_.rend()};
}

bool HostBackend::IsLive(const HostFormPeer* peer) const
{
    return std::find(peers_.begin(), peers_.end(), peer) != peers_.end();
}

void HostBackend::Raise(HostFormPeer& peer)
{
    Lower(peer);
    shown_.push_back(&peer);
}

void HostBackend::Lower(HostFormPeer& peer)
{
    shown_.erase(std::remove(shown_.begin(), shown_.end(), &peer), shown_.end());
}

void HostBackend::Forget(HostFormPeer& peer)
{
    Lower(peer);
    peers_.erase(std::remove(peers_.begin(), peers_.end(), &peer), peers_.end());
}

}  // namespace vx::ui
