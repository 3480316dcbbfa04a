#include "platform/win32/WinTopWindows.h"

#include <windows.h>

namespace vx::platform {
namespace {

HWND Handle(WindowId window)
{
    return reinterpret_cast<HWND>(window);
}

}  // namespace

std::optional<WindowId> WinTopWindows::FindByTitle(const std::string& title)
{
    const HWND found = FindWindowA(nullptr, title.c_str());
    if (!found)
        return std::nullopt;
    return reinterpret_cast<WindowId>(found);
}

bool WinTopWindows::PostClose(WindowId window)
{
    return PostMessageA(Handle(window), WM_CLOSE, 0, 0) != FALSE;
}

bool WinTopWindows::Exists(WindowId window)
{
    return window && IsWindow(Handle(window));
}

template <>
TopWindows& DefaultService<TopWindows>()
{
    static WinTopWindows windows;
    return windows;
}

}  // namespace vx::platform
