#pragma once
// Where the bubble hint stands relative to the mouse pointer, falling back to
// another direction where the preferred one does not fit on the screen.
#include "ui/Geometry.h"

namespace vx::widgets {

enum class TAHMDirection { dUpRight, dUpLeft, dDownRight, dDownLeft };

constexpr bool IsUpward(TAHMDirection d)
{
    return d == TAHMDirection::dUpRight || d == TAHMDirection::dUpLeft;
}

// The bubble is the text rectangle enlarged by 16 x 20 (upward) or 16 x 29 (downward).
ui::Size BubbleSize(ui::Size text, TAHMDirection d);

struct HintPlacement {
    TAHMDirection direction;
    ui::Point position;  // the bubble's top-left corner on the screen
};

// Follows the fall-backs from the preferred direction. Where no direction fits,
// the fall-backs would chase each other for ever; then the preferred direction is
// taken, moved onto the screen as far as it goes.
HintPlacement PlaceHint(ui::Point mouse, ui::Size text, ui::Size screen, TAHMDirection preferred);

}  // namespace vx::widgets
