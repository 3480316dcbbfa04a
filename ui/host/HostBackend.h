#pragma once
// The headless backend. Nothing is drawn on a screen and no time passes by
// itself: a virtual clock moves when the program sleeps, when it waits for input
// (to the next scripted action or timer tick), while a message box is read, or
// when a test advances it. Timers fire from that clock. Tests script the user's
// actions (see HostUser) as actions due at given times, and queue the answers to
// message boxes and the choices of popup menus beforehand, so a whole run of a
// program, nested modal windows included, plays from start to end in
// milliseconds. Listeners hear of windows shown and hidden, modal runs ended,
// message boxes answered and menus shown, for transcripts.
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/Backend.h"
#include "ui/ModalResult.h"

namespace vx::ui {

class HostFormPeer;

// The program waits for input that will never come: nothing is scripted any more
// and no timer runs.
class HostIdleError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A message box opened with no answer queued: a script that did not expect it.
class HostUnansweredError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A message box as the host showed it.
struct HostMessageBox {
    platform::MessageRequest request;  // caption filled in
    std::string owner;                 // the owning form's name; "" for none
    platform::MsgAnswer answer;
    std::uint64_t shownAt;
};

// What the host tells listeners, in the order it happens.
class HostListener {
public:
    virtual ~HostListener() = default;
    virtual void FormShown(Form&) {}
    virtual void FormHidden(Form&) {}
    virtual void ModalEnded(Form&, ModalResult) {}
    virtual void MessageBoxAnswered(const HostMessageBox&) {}
    // chosen: the item's name, "" when the menu was dismissed.
    virtual void MenuShown(const PopupMenu&, const std::string&) {}
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
    Form* ActiveForm() override;
    platform::MsgAnswer ShowMessageBox(const platform::MessageRequest& request, Form* owner) override;
    void Post(std::function<void()> task) override { posted_.push_back(std::move(task)); }

    // Lets time pass, dispatching everything that falls due on the way.
    void Advance(unsigned milliseconds);
    // Scripted work: runs from the message loop once the clock has reached its time.
    void At(std::uint64_t ms, std::function<void()> action);
    // Due ms after the last scripted action (or after now, when that is later).
    void Then(unsigned ms, std::function<void()> action);
    std::size_t ScriptedLeft() const { return script_.size(); }
    bool QuitRequested() const { return quit_; }

    // The next popup menu shown chooses the item of this name; "" dismisses it. A
    // menu shown with no choice scripted is dismissed; a name the menu does not
    // show is a std::logic_error.
    void ChooseMenuItem(std::string itemName) { menuChoices_.push_back(std::move(itemName)); }
    // The names of the menus shown, in order.
    const std::vector<std::string>& MenusShown() const { return menusShown_; }

    // The answer to the next message box, given after readingMs of virtual time
    // during which timers and posted messages run (as in Windows' own loop of the
    // box) but no scripted input. A box with no answer queued throws
    // HostUnansweredError; an answer the box offers no button for, std::logic_error.
    static constexpr unsigned DefaultReadingMs = 500;
    void AnswerMessageBox(platform::MsgAnswer answer, unsigned readingMs = DefaultReadingMs)
    {
        answers_.push_back({answer, readingMs});
    }
    std::size_t AnswersLeft() const { return answers_.size(); }
    const std::vector<HostMessageBox>& MessageBoxesShown() const { return boxes_; }

    void AddListener(HostListener& listener) { listeners_.push_back(&listener); }
    void RemoveListener(HostListener& listener);

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
    void VisibilityChanged(Form& form, bool shown);
    void ModalRunEnded(Form& form);

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
    struct QueuedAnswer {
        platform::MsgAnswer answer;
        unsigned readingMs;
    };

    // withInput: scripted actions too (not while a message box is read).
    bool DispatchDue(bool withInput = true);
    std::optional<std::uint64_t> NextDue(bool withInput = true) const;
    // Runs what falls due until the clock reaches target.
    void RunUntil(std::uint64_t target, bool withInput);
    template <class Notify>
    void Tell(const Notify& notify);

    std::uint64_t now_ = 0;
    bool quit_ = false;
    std::deque<Scripted> script_;  // in order of due time
    std::deque<std::function<void()>> posted_;
    std::uint64_t lastScripted_ = 0;
    std::map<int, TimerEntry> timers_;
    int nextTimerId_ = 1;
    std::deque<std::string> menuChoices_;
    std::vector<std::string> menusShown_;
    std::deque<QueuedAnswer> answers_;
    std::vector<HostMessageBox> boxes_;
    std::vector<HostListener*> listeners_;
    Point cursor_;
    Size screen_{1024, 768};
    std::string title_;
    std::vector<HostFormPeer*> peers_;
    std::vector<HostFormPeer*> shown_;  // bottom to top
};

}  // namespace vx::ui
