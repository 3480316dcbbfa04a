// Forced into GoogleTest's Windows build: the win32 thread-model runtime has no
// std::mutex, which GoogleTest's Notification uses. Only its thread helpers need
// it, and our tests run on one thread.
#pragma once
#ifdef __cplusplus
#include <atomic>
namespace testing::internal {
class Notification {
public:
    Notification() = default;
    Notification(const Notification&) = delete;
    Notification& operator=(const Notification&) = delete;
    void Notify() { notified_.store(true); }
    void WaitForNotification()
    {
        while (!notified_.load()) {
        }
    }

private:
    std::atomic<bool> notified_{false};
};
}  // namespace testing::internal
#endif
