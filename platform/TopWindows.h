#pragma once
// Top-level windows of any program, found by title (FindWindowA, which compares
// titles without regard to case), asked to close (PostMessageA with WM_CLOSE) and
// watched until they are gone (IsWindow).
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "platform/CurrentService.h"

namespace vx::platform {

// A window handle; 0 is none.
using WindowId = std::uintptr_t;

class TopWindows {
public:
    virtual ~TopWindows() = default;
    // A top-level window of any class with this title; nullopt when there is none.
    virtual std::optional<WindowId> FindByTitle(const std::string& title) = 0;
    // Posts the close request and returns at once; false when it could not be posted.
    virtual bool PostClose(WindowId window) = 0;
    virtual bool Exists(WindowId window) = 0;
};

inline TopWindows& CurrentTopWindows()
{
    return CurrentService<TopWindows>::Get();
}

// What a wait needs from the program's message loop: pending messages handled,
// time passing and the time read. ui::Application has all three (LoopHooks).
struct WaitHooks {
    std::function<void()> processMessages;
    std::function<void(unsigned ms)> sleep;
    std::function<std::uint64_t()> nowMs;
};

template <class Loop>
WaitHooks LoopHooks(Loop& loop)
{
    return {[&loop] { loop.ProcessMessages(); }, [&loop](unsigned ms) { loop.Sleep(ms); },
            [&loop] { return static_cast<std::uint64_t>(loop.NowMs()); }};
}

// Waits at most maxMs for the window to go, handling messages and sleeping 10 ms
// at a time; true when it is gone.
bool WaitUntilWindowGone(TopWindows& windows, WindowId window, unsigned maxMs, const WaitHooks& hooks);

}  // namespace vx::platform
