#pragma once
// How a control shows that it has the keyboard focus.
#include "ui/Color.h"
#include "ui/Geometry.h"

namespace vx::ui {

class Canvas;

// A dotted one-pixel frame along the inside of r, every other pixel in color.
void DrawFocusMark(Canvas& canvas, const Rect& r, Color color);

}  // namespace vx::ui
