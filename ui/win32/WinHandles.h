#pragma once
// Move-only owners of USER handles: windows and menus.
#include <windows.h>

#include <utility>

namespace vx::ui::win32 {

template <class Handle, BOOL(WINAPI* Destroy)(Handle)>
class UserObject {
public:
    UserObject() = default;
    explicit UserObject(Handle handle) : handle_(handle) {}
    ~UserObject() { Reset(); }
    UserObject(UserObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    UserObject& operator=(UserObject&& other) noexcept
    {
        if (this != &other)
            Reset(std::exchange(other.handle_, nullptr));
        return *this;
    }
    UserObject(const UserObject&) = delete;
    UserObject& operator=(const UserObject&) = delete;

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    void Reset(Handle handle = nullptr)
    {
        if (handle_)
            Destroy(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = nullptr;
};

using WindowHandle = UserObject<HWND, DestroyWindow>;
using MenuHandle = UserObject<HMENU, DestroyMenu>;

}  // namespace vx::ui::win32
