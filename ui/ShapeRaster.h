#pragma once
// Scan conversion of lines and polygons with GDI's pixel rules.
#include <span>
#include <vector>

#include "ui/Geometry.h"

namespace vx::ui {

struct ScanSpan {
    int y = 0;
    int left = 0;   // first pixel
    int right = 0;  // one past the last pixel
};

// The pixels of the line from a to b, without b (LineTo), in drawing order.
std::vector<Point> LinePixels(Point a, Point b);

// The interior of a closed polygon as CreatePolygonRgn / Polygon fill it.
std::vector<ScanSpan> PolygonSpans(std::span<const Point> points, bool winding);

// Whether the direction (dx, dy) from the centre (y down) lies on the
// counter-clockwise sweep from the direction of start to that of end.
bool OnCounterClockwiseSweep(double dx, double dy, double startX, double startY, double endX, double endY);

}  // namespace vx::ui
