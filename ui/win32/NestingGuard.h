#pragma once
// Counts a nesting depth up for a scope: "we are writing to the window ourselves".
namespace vx::ui::win32 {

class NestingGuard {
public:
    explicit NestingGuard(int& depth) : depth_(depth) { ++depth_; }
    ~NestingGuard() { --depth_; }
    NestingGuard(const NestingGuard&) = delete;
    NestingGuard& operator=(const NestingGuard&) = delete;

private:
    int& depth_;
};

}  // namespace vx::ui::win32
