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

template <class Notify>
void HostBackend::Tell(const Notify& notify)
{
    for (HostListener* listener : std::vector<HostListener*>(listeners_))
        notify(*listener);
}

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

// Posted messages first, then scripted input, then timer ticks, as a Windows
// queue gives WM_TIMER last.
bool HostBackend::DispatchDue(bool withInput)
{
    if (!posted_.empty()) {
        std::function<void()> task = std::move(posted_.front());
        posted_.pop_front();
        DispatchScope scope(*this);
        task();
        return true;
    }
    if (withInput && !script_.empty() && script_.front().due <= now_) {
        std::function<void()> action = std::move(script_.front().action);
        script_.pop_front();
        DispatchScope scope(*this);
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
    DispatchScope scope(*this);
    timer->Fire();
    return true;
}

std::optional<std::uint64_t> HostBackend::NextDue(bool withInput) const
{
    std::optional<std::uint64_t> next;
    if (!posted_.empty())
        next = now_;
    if (withInput && !script_.empty() && (!next || script_.front().due < *next))
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
    std::string choice;
    if (!menuChoices_.empty()) {
        choice = std::move(menuChoices_.front());
        menuChoices_.pop_front();
    }
    MenuItem* item = choice.empty() ? nullptr : menu.FindItem(choice);
    if (!choice.empty() && (!item || !item->Visible() || item->IsSeparator()))
        throw std::logic_error("Menu " + menu.Name() + " shows no item " + choice);
    Tell([&](HostListener& l) { l.MenuShown(menu, choice); });
    return item && item->Enabled() ? item : nullptr;
}

Form* HostBackend::ActiveForm()
{
    for (HostFormPeer* window : WindowsTopFirst()) {
        Form& form = window->GetForm();
        if (!form.InputTransparent() && form.AcceptsInput())
            return &form;
    }
    return nullptr;
}

namespace {

bool Offers(platform::MsgButtons buttons, platform::MsgAnswer answer)
{
    using platform::MsgAnswer;
    switch (buttons) {
    case platform::MsgButtons::Ok: return answer == MsgAnswer::Ok;
    case platform::MsgButtons::OkCancel: return answer == MsgAnswer::Ok || answer == MsgAnswer::Cancel;
    case platform::MsgButtons::YesNo: return answer == MsgAnswer::Yes || answer == MsgAnswer::No;
    case platform::MsgButtons::YesNoCancel:
        return answer == MsgAnswer::Yes || answer == MsgAnswer::No || answer == MsgAnswer::Cancel;
    case platform::MsgButtons::RetryCancel: return answer == MsgAnswer::Retry || answer == MsgAnswer::Cancel;
    }
    return false;
}

std::string Quoted(const platform::MessageRequest& request)
{
    return "\"" + request.caption + "\" \"" + request.text + "\"";
}

}  // namespace

platform::MsgAnswer HostBackend::ShowMessageBox(const platform::MessageRequest& request, Form* owner)
{
    if (answers_.empty()) {
        throw HostUnansweredError("A message box " + Quoted(request) + " opened at " + std::to_string(now_) +
                                  " ms with no answer queued");
    }
    const QueuedAnswer queued = answers_.front();
    answers_.pop_front();
    if (!Offers(request.buttons, queued.answer)) {
        throw std::logic_error("The message box " + Quoted(request) + " has no button for the answer " +
                               std::to_string(static_cast<int>(queued.answer)));
    }
    const HostMessageBox box{request, owner ? owner->Name() : std::string(), queued.answer, now_};
    RunUntil(now_ + queued.readingMs, false);
    boxes_.push_back(box);
    Tell([&](HostListener& l) { l.MessageBoxAnswered(box); });
    return queued.answer;
}

void HostBackend::Advance(unsigned milliseconds)
{
    RunUntil(now_ + milliseconds, true);
}

void HostBackend::RunUntil(std::uint64_t target, bool withInput)
{
    for (;;) {
        while (!quit_ && DispatchDue(withInput)) {
        }
        const std::optional<std::uint64_t> next = NextDue(withInput);
        if (quit_ || !next || *next > target)
            break;
        now_ = std::max(now_, *next);
    }
    now_ = std::max(now_, target);
}

void HostBackend::RemoveListener(HostListener& listener)
{
    listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), &listener), listeners_.end());
}

void HostBackend::VisibilityChanged(Form& form, bool shown)
{
    Tell([&](HostListener& l) { shown ? l.FormShown(form) : l.FormHidden(form); });
}

void HostBackend::ModalRunEnded(Form& form)
{
    const ModalResult result = form.GetModalResult();
    Tell([&](HostListener& l) { l.ModalEnded(form, result); });
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

// Owned windows stay above their owner.
void HostBackend::Raise(HostFormPeer& peer)
{
    Lower(peer);
    shown_.push_back(&peer);
    for (HostFormPeer* other : std::vector<HostFormPeer*>(shown_)) {
        if (other->GetForm().Owner() == &peer.GetForm())
            Raise(*other);
    }
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
