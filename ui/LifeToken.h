#pragma once
// Tells code that runs event handlers whether an object is still there afterwards:
// a handler may destroy the form (or timer, or window) whose event it handles.
#include <memory>

namespace vx::ui {

// A copy that outlives the object and reports whether it still exists.
class LifeWatch {
public:
    // Watches nothing: never alive.
    LifeWatch() : alive_(std::make_shared<const bool>(false)) {}
    explicit LifeWatch(std::shared_ptr<const bool> alive) : alive_(std::move(alive)) {}
    bool Alive() const { return *alive_; }

private:
    std::shared_ptr<const bool> alive_;
};

// A member of the watched object; it dies with it.
class LifeToken {
public:
    LifeToken() = default;
    ~LifeToken() { *alive_ = false; }
    LifeToken(const LifeToken&) = delete;
    LifeToken& operator=(const LifeToken&) = delete;

    LifeWatch Watch() const { return LifeWatch(alive_); }

private:
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace vx::ui
