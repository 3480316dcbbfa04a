#pragma once
// Mouse input as controls see it: which button, which keys and buttons are held,
// and where, in the receiving control's own coordinates; and the keys that move
// the focus and press buttons.
#include "ui/Geometry.h"

namespace vx::ui {

enum class MouseButton { Left, Right, Middle };

// The keys and mouse buttons held during a mouse event (Delphi's TShiftState).
struct ShiftState {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
    bool left = false;
    bool right = false;
    bool middle = false;

    static ShiftState Only(MouseButton held);
    ShiftState With(MouseButton held) const;
    ShiftState Without(MouseButton released) const;
    bool AnyButton() const { return left || right || middle; }
    friend bool operator==(const ShiftState&, const ShiftState&) = default;
};

enum class MouseAction { Down, Move, Up, Enter, Leave };

struct MouseEvent {
    MouseAction action = MouseAction::Move;
    MouseButton button = MouseButton::Left;  // Down and Up only
    ShiftState shift;
    Point pos;
};

// The keys of the keyboard interface: Tab and Shift+Tab move the focus, the arrows
// move it within a radio group (and work inside lists, drop-downs, spin boxes and
// texts), Enter and Escape press the default and the cancel button, Space the
// focused button.
enum class Key { Tab, Enter, Escape, Space, Left, Right, Up, Down };

constexpr bool IsArrow(Key key)
{
    return key == Key::Left || key == Key::Right || key == Key::Up || key == Key::Down;
}

}  // namespace vx::ui
