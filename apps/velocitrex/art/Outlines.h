#pragma once
// The outlines of the main program's windows. The pictures are cut along them
// and the window regions are the pixels whose centre lies inside, so picture and
// region meet exactly.
#include <vector>

#include "apps/velocitrex/art/Layout.h"
#include "apps/velocitrex/art/Shapes.h"

namespace vx::art {

RoundRect WizardOutline();  // the main window and both pages
RoundRect ApplyScreenOutline();
RoundRect AboutBoxOutline();

// One row of a window region: the pixels left <= x < right of row y.
struct RowSpan {
    int y = 0;
    int left = 0;
    int right = 0;
    bool operator==(const RowSpan&) const = default;
};

// The pixels of a width x height window whose centre lies inside the outline,
// row by row, left to right.
template <class Shape>
std::vector<RowSpan> InsidePixels(const Shape& outline, int width, int height)
{
    std::vector<RowSpan> spans;
    for (int y = 0; y < height; ++y) {
        int start = -1;
        for (int x = 0; x <= width; ++x) {
            const bool inside = x < width && outline.Distance(x + 0.5, y + 0.5) < 0;
            if (inside && start < 0)
                start = x;
            if (!inside && start >= 0) {
                spans.push_back({y, start, x});
                start = -1;
            }
        }
    }
    return spans;
}

}  // namespace vx::art
