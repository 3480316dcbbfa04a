#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/TopWindows.h"

namespace vx::platform {

// Scripted top-level windows of other programs. A window that accepts the close
// request disappears closeDelayMs after it was posted, on the clock given (the
// virtual clock in tests and the simulator); one that does not accept stays.
class HostTopWindows : public TopWindows {
public:
    struct Behaviour {
        bool acceptsClose = true;
        unsigned closeDelayMs = 0;
    };

    explicit HostTopWindows(std::function<std::uint64_t()> clock = {}) : clock_(std::move(clock)) {}

    std::optional<WindowId> FindByTitle(const std::string& title) override;
    bool PostClose(WindowId window) override;
    bool Exists(WindowId window) override;

    WindowId Add(std::string title, Behaviour behaviour);
    WindowId Add(std::string title) { return Add(std::move(title), Behaviour{}); }
    void SetClock(std::function<std::uint64_t()> clock) { clock_ = std::move(clock); }

    // Runs on every close request posted (the simulator's transcript).
    std::function<void(const std::string& title)> OnPostClose;

    const std::vector<std::string>& Searches() const { return searches_; }
    // Titles of the windows sent a close request, in order.
    const std::vector<std::string>& ClosesPosted() const { return closes_; }

private:
    struct Entry {
        WindowId id = 0;
        std::string title;
        Behaviour behaviour;
        bool closePosted = false;
        std::uint64_t postedAt = 0;
    };
    Entry* Find(WindowId window);
    std::uint64_t Now() const { return clock_ ? clock_() : 0; }

    std::function<std::uint64_t()> clock_;
    std::vector<Entry> windows_;
    std::vector<std::string> searches_;
    std::vector<std::string> closes_;
    WindowId nextId_ = 0x100;
};

}  // namespace vx::platform
