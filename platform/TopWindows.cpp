#include "platform/TopWindows.h"

#include <algorithm>

namespace vx::platform {

bool WaitUntilWindowGone(TopWindows& windows, WindowId window, unsigned maxMs, const WaitHooks& hooks)
{
    constexpr std::uint64_t slice = 10;
    const std::uint64_t start = hooks.nowMs();
    for (;;) {
        if (!windows.Exists(window))
            return true;
        const std::uint64_t waited = hooks.nowMs() - start;
        if (waited >= maxMs)
            return false;
        hooks.processMessages();
        // The last slice is cut short so the wait never runs past its limit.
        hooks.sleep(static_cast<unsigned>(std::min(slice, maxMs - waited)));
    }
}

}  // namespace vx::platform
