#pragma once
// Bevelled frames in the classic Windows look.
#include "ui/Color.h"
#include "ui/Geometry.h"

namespace vx::ui {

class Canvas;

// Delphi's Frame3D: width rings, top and left in topLeft, bottom and right in
// bottomRight; r shrinks by width on every side.
void Frame3D(Canvas& canvas, Rect& r, Color topLeft, Color bottomRight, int width);

enum class Edge { Raised, Sunken, Etched };
// The two-pixel edges of buttons (Raised), edit boxes (Sunken) and group boxes
// (Etched). Returns the rectangle inside.
Rect DrawEdge(Canvas& canvas, const Rect& r, Edge edge);

}  // namespace vx::ui
