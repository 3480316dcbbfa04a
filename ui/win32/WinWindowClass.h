#pragma once
// The window classes of the framework's own windows. Each window forwards its
// messages to the object that made it, until that object detaches.
#include <windows.h>

#include "ui/Geometry.h"
#include "ui/win32/WinHandles.h"

namespace vx::ui::win32 {

class WindowTarget {
public:
    virtual ~WindowTarget() = default;
    virtual LRESULT HandleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) = 0;
};

enum class WindowClass { Form, Application };

struct WindowParams {
    WindowClass windowClass = WindowClass::Form;
    DWORD style = 0;
    DWORD exStyle = 0;
    const char* title = "";
    HWND owner = nullptr;
    Rect bounds;  // window rectangle in screen coordinates
};

HINSTANCE ModuleInstance();

// Throws std::runtime_error when Windows refuses the window.
WindowHandle CreateTargetWindow(const WindowParams& params, WindowTarget& target);
// Messages that arrive later (during destruction, say) get the default handling.
void DetachTarget(HWND hwnd);
// The target of one of the framework's windows, or nullptr.
WindowTarget* TargetOf(HWND hwnd);

}  // namespace vx::ui::win32
