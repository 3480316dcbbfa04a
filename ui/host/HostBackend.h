#pragma once
// The headless backend. Nothing is drawn on a screen and no time passes by
// itself: a virtual clock moves when the program sleeps, when it waits for input
// (to the next scripted action or timer tick), or when a test advances it. Timers
// fire from that clock. Tests script the user's actions (see HostUser) as actions
// due at given times, so a whole run of a program, nested modal windows included,
// plays from start to end in milliseconds.
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/Backend.h"

namespace vx::ui {

class HostFormPeer;

// The program waits for input that will never come: nothing is scripted any more
// and no timer runs.
class HostIdleError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class HostBackend : public Backend {
public:
    HostBackend() = default;
    ~HostBackend() override;
    HostBackend(const HostBackend&) = delete;
    HostBackend& operator=(const HostBackend&) = delete;

    std::unique_ptr<FormPeer> CreateFormPeer(Form& form) override;
    std::unique_ptr<ControlPeer> CreateControlPeer(NativeControl& control, FormPeer& form) override;
    bool DispatchNext(bool wait) override;
    void RequestQuit() override { quit_ = true; }
    std::uint64_t NowMs() override { return now_; }
    void Sleep(unsigned milliseconds) override { now_ += milliseconds; }
    std::unique_ptr<TimerPeer> StartTimer(Timer& timer, unsigned intervalMs) override;
    Point CursorPos() override { return cursor_; }
    Size ScreenSize() override { return screen_; }
    MenuItem* TrackPopupMenu(PopupMenu& menu, Point screen) override;
    void SetApplicationTitle(const std::string& title) override { title_ = title; }

    // Lets time pass, dispatching everything that falls due on the way.
    void Advance(unsigned milliseconds);
    // Scripted work: runs from the message loop once the clock has reached its time.
    void At(std::uint64_t ms, std::function<void()> action);
    // Due ms after the last scripted action (or after now, when that is later).
    void Then(unsigned ms, std::function<void()> action);
    std::size_t ScriptedLeft() const { return script_.size(); }
    bool QuitRequested() const { return quit_; }

    // The next popup menu shown chooses the item of this name; "" dismisses it. A
    // menu shown with no choice scripted is dismissed.
    void ChooseMenuItem(std::string itemName) { menuChoices_.push_back(std::move(itemName)); }
    // The names of the menus shown, in order.
    const std::vector<std::string>& MenusShown() const { return menusShown_; }

    void SetScreenSize(Size size) { screen_ = size; }
    void SetCursorPos(Point screen) { cursor_ = screen; }
    const std::string& ApplicationTitle() const { return title_; }
    // Timers that are running (enabled, with a running peer).
    std::size_t RunningTimers() const { return timers_.size(); }

    // The shown forms' windows, topmost first.
    std::vector<HostFormPeer*> WindowsTopFirst() const;
    bool IsLive(const HostFormPeer* peer) const;

    // Called by the host peers.
    void Raise(HostFormPeer& peer);
    void Lower(HostFormPeer& peer);
    void Forget(HostFormPeer& peer);
    void StopTimer(int id) { timers_.erase(id); }

private:
    struct Scripted {
        std::uint64_t due = 0;
        std::function<void()> action;
    };
    struct TimerEntry {
        Timer* timer = nullptr;
        unsigned interval = 0;
        std::uint64_t due = 0;
    };

    bool DispatchDue();
    std::optional<std::uint64_t> NextDue() const;

    std::uint64_t now_ = 0;
    bool quit_ = false;
    std::deque<Scripted> script_;  // in order of due time
    std::uint64_t lastScripted_ = 0;
    std::map<int, TimerEntry> timers_;
    int nextTimerId_ = 1;
    std::deque<std::string> menuChoices_;
    std::vector<std::string> menusShown_;
    Point cursor_;
    Size screen_{1024, 768};
    std::string title_;
    std::vector<HostFormPeer*> peers_;
    std::vector<HostFormPeer*> shown_;  // bottom to top
};

}  // namespace vx::ui
