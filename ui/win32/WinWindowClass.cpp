#include "ui/win32/WinWindowClass.h"

#include <stdexcept>

namespace vx::ui::win32 {

namespace {

constexpr const char* FormClassName = "VxForm";
constexpr const char* ApplicationClassName = "VxApplication";

LRESULT CALLBACK TargetWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    if (auto* target = reinterpret_cast<WindowTarget*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA)))
        return target->HandleMessage(hwnd, message, wParam, lParam);
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

void RegisterOnce(const char* name)
{
    WNDCLASSA existing{};
    if (GetClassInfoA(ModuleInstance(), name, &existing))
        return;
    WNDCLASSA wc{};
    wc.lpfnWndProc = TargetWindowProc;
    wc.hInstance = ModuleInstance();
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
    wc.lpszClassName = name;
    if (!RegisterClassA(&wc))
        throw std::runtime_error(std::string("Cannot register the window class ") + name);
}

const char* ClassName(WindowClass windowClass)
{
    const char* name = windowClass == WindowClass::Form ? FormClassName : ApplicationClassName;
    RegisterOnce(name);
    return name;
}

}  // namespace

HINSTANCE ModuleInstance()
{
    return GetModuleHandleA(nullptr);
}

WindowHandle CreateTargetWindow(const WindowParams& params, WindowTarget& target)
{
    const Rect& b = params.bounds;
    HWND hwnd = CreateWindowExA(params.exStyle, ClassName(params.windowClass), params.title, params.style, b.left, b.top,
                                b.Width(), b.Height(), params.owner, nullptr, ModuleInstance(), &target);
    if (!hwnd)
        throw std::runtime_error("Cannot create a window");
    return WindowHandle(hwnd);
}

void DetachTarget(HWND hwnd)
{
    if (hwnd)
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
}

WindowTarget* TargetOf(HWND hwnd)
{
    char name[32] = {};
    if (!GetClassNameA(hwnd, name, sizeof name))
        return nullptr;
    if (lstrcmpA(name, FormClassName) != 0 && lstrcmpA(name, ApplicationClassName) != 0)
        return nullptr;
    return reinterpret_cast<WindowTarget*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

}  // namespace vx::ui::win32
