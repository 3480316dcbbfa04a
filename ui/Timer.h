#pragma once
// A non-visual timer: OnTimer runs about every Interval milliseconds from the
// message loop while Enabled (off until switched on). A timer whose handler is still running (it may be
// processing messages) does not tick again until the handler returns.
#include <functional>
#include <memory>
#include <string>

#include "ui/Backend.h"
#include "ui/LifeToken.h"

namespace vx::ui {

class Timer {
public:
    Timer() = default;
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    std::function<void()> OnTimer;

    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned ms);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool Running() const { return peer_ != nullptr; }

    // Called by the backend when the interval has passed.
    void Fire();

private:
    void Restart();

    std::string name_;
    unsigned interval_ = 1000;
    bool enabled_ = false;
    bool inHandler_ = false;
    std::unique_ptr<TimerPeer> peer_;
    LifeToken life_;  // a handler may destroy its own timer
};

}  // namespace vx::ui
