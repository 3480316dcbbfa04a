#include "ui/win32/WinMouse.h"

#include "ui/win32/WinGeometry.h"

namespace vx::ui::win32 {

namespace {

ShiftState ShiftFromKeys(WPARAM keys)
{
    ShiftState shift;
    shift.shift = (keys & MK_SHIFT) != 0;
    shift.ctrl = (keys & MK_CONTROL) != 0;
    shift.alt = GetKeyState(VK_MENU) < 0;
    shift.left = (keys & MK_LBUTTON) != 0;
    shift.right = (keys & MK_RBUTTON) != 0;
    shift.middle = (keys & MK_MBUTTON) != 0;
    return shift;
}

struct ButtonMessage {
    MouseAction action;
    MouseButton button;
};

// Double clicks arrive as presses: the framework counts no clicks of its own.
std::optional<ButtonMessage> Classify(UINT message)
{
    switch (message) {
    case WM_MOUSEMOVE: return ButtonMessage{MouseAction::Move, MouseButton::Left};
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: return ButtonMessage{MouseAction::Down, MouseButton::Left};
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK: return ButtonMessage{MouseAction::Down, MouseButton::Right};
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK: return ButtonMessage{MouseAction::Down, MouseButton::Middle};
    case WM_LBUTTONUP: return ButtonMessage{MouseAction::Up, MouseButton::Left};
    case WM_RBUTTONUP: return ButtonMessage{MouseAction::Up, MouseButton::Right};
    case WM_MBUTTONUP: return ButtonMessage{MouseAction::Up, MouseButton::Middle};
    default: return std::nullopt;
    }
}

}  // namespace

std::optional<MouseEvent> MouseEventFromMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    const std::optional<ButtonMessage> kind = Classify(message);
    if (!kind)
        return std::nullopt;
    MouseEvent event;
    event.action = kind->action;
    event.button = kind->button;
    event.shift = ShiftFromKeys(wParam);
    event.pos = PointFromLParam(lParam);
    return event;
}

}  // namespace vx::ui::win32
