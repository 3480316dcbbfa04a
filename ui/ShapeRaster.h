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

// The pixels within half a pen width of the segment from a to b (a wide pen's
// line with round ends).
std::vector<Point> ThickLinePixels(Point a, Point b, int width);

// The interior of a closed polygon as CreatePolygonRgn / Polygon fill it.
std::vector<ScanSpan> PolygonSpans(std::span<const Point> points, bool winding);

// The counter-clockwise angle on screen (y down) from the direction of start to
// the direction (dx, dy), in [0, 2 pi).
double SweepFrom(double dx, double dy, double startX, double startY);

}  // namespace vx::ui
