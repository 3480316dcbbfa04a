#include "ui/EllipseRaster.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace vx::ui {

std::vector<RowSpan> EllipseRows(int x0, int y0, int x1, int y1)
{
    if (x1 < x0 || y1 < y0)
        return {};
    std::vector<RowSpan> rows(static_cast<size_t>(y1 - y0 + 1), RowSpan{INT_MAX, INT_MIN});
    PlotEllipse(x0, y0, x1, y1, [&](int x, int y) {
        if (y < y0 || y > y1)
            return;
        RowSpan& row = rows[static_cast<size_t>(y - y0)];
        row.left = std::min(row.left, std::max(x, x0));
        row.right = std::max(row.right, std::min(x, x1));
    });
    return rows;
}

std::vector<RowSpan> RoundRectRows(int x0, int y0, int x1, int y1, int ellipseWidth, int ellipseHeight)
{
    if (x1 < x0 || y1 < y0)
        return {};
    const int width = x1 - x0 + 1;
    const int height = y1 - y0 + 1;
    const int w = std::min(width, std::abs(ellipseWidth));
    const int h = std::min(height, std::abs(ellipseHeight));
    std::vector<RowSpan> rows(static_cast<size_t>(height), RowSpan{x0, x1});
    if (w < 2 || h < 2)
        return rows;
    const std::vector<RowSpan> corner = EllipseRows(0, 0, w - 1, h - 1);
    for (int y = 0; y < height; ++y) {
        int j = -1;
        if (y < h / 2)
            j = y;
        else if (y >= height - h / 2)
            j = h - (height - y);
        if (j < 0)
            continue;
        const RowSpan& c = corner[static_cast<size_t>(j)];
        // Very narrow ellipses skip rows; GDI draws them as the ellipse's tip.
        const int inset = c.left > c.right ? (w - 1) / 2 : c.left;
        rows[static_cast<size_t>(y)] = {x0 + inset, x1 - inset};
    }
    return rows;
}

}  // namespace vx::ui
