#include "ui/Input.h"

namespace vx::ui {

namespace {

void SetButton(ShiftState& state, MouseButton button, bool held)
{
    switch (button) {
    case MouseButton::Left: state.left = held; break;
    case MouseButton::Right: state.right = held; break;
    case MouseButton::Middle: state.middle = held; break;
    }
}

}  // namespace

ShiftState ShiftState::Only(MouseButton held)
{
    return ShiftState{}.With(held);
}

ShiftState ShiftState::With(MouseButton held) const
{
    ShiftState copy = *this;
    SetButton(copy, held, true);
    return copy;
}

ShiftState ShiftState::Without(MouseButton released) const
{
    ShiftState copy = *this;
    SetButton(copy, released, false);
    return copy;
}

}  // namespace vx::ui
