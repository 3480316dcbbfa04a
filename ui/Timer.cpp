#include "ui/Timer.h"

#include "ui/Application.h"

namespace vx::ui {

Timer::~Timer() = default;

void Timer::SetInterval(unsigned ms)
{
    if (ms == interval_)
        return;
    interval_ = ms;
    Restart();
}

void Timer::SetEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    Restart();
}

void Timer::Fire()
{
    if (inHandler_ || !enabled_ || !OnTimer)
        return;
    inHandler_ = true;
    const LifeWatch alive = life_.Watch();
    const std::function<void()> handler = OnTimer;  // the handler may replace OnTimer
    struct Reset {
        Timer& timer;
        const LifeWatch& alive;
        ~Reset()
        {
            if (alive.Alive())
                timer.inHandler_ = false;
        }
    } reset{*this, alive};
    handler();
}

// Like a Windows timer, a changed setting starts the interval again.
void Timer::Restart()
{
    peer_.reset();
    if (enabled_ && interval_ > 0)
        peer_ = Application::Current().GetBackend().StartTimer(*this, interval_);
}

}  // namespace vx::ui
