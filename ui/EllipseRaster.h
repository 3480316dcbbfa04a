#pragma once
// The pixels of an ellipse outline through the pixel centres x0..x1, y0..y1
// (Zingl's midpoint algorithm, stepping as GDI does), shared by regions and the software canvas so
// that a filled ellipse and its region agree.
#include <vector>

namespace vx::ui {

struct RowSpan {
    int left = 0;   // leftmost outline pixel of the row
    int right = 0;  // rightmost outline pixel of the row
};

// One entry per row from y0 to y1; empty for a box with x1 < x0 or y1 < y0.
std::vector<RowSpan> EllipseRows(int x0, int y0, int x1, int y1);

// The rows of a rectangle x0..x1, y0..y1 with corners cut by an ellipse of
// ellipseWidth x ellipseHeight pixels (clamped to the box); a plain rectangle when
// the corner ellipse is narrower or lower than 2 pixels.
std::vector<RowSpan> RoundRectRows(int x0, int y0, int x1, int y1, int ellipseWidth, int ellipseHeight);

// Calls plot(x, y) for each outline pixel (some more than once).
template <class Plot>
void PlotEllipse(int x0, int y0, int x1, int y1, Plot&& plot);

}  // namespace vx::ui

#include "ui/EllipseRaster.inl"
