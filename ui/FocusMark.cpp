#include "ui/FocusMark.h"

#include "ui/Canvas.h"

namespace vx::ui {

void DrawFocusMark(Canvas& canvas, const Rect& r, Color color)
{
    if (r.IsEmpty())
        return;
    const Color c = ColorToRgb(color);
    // A checkerboard along the border, as Windows' focus rectangle.
    auto dot = [&](int x, int y) {
        if ((x - r.left + y - r.top) % 2 == 0)
            canvas.SetPixel(x, y, c);
    };
    for (int x = r.left; x < r.right; ++x) {
        dot(x, r.top);
        dot(x, r.bottom - 1);
    }
    for (int y = r.top + 1; y < r.bottom - 1; ++y) {
        dot(r.left, y);
        dot(r.right - 1, y);
    }
}

}  // namespace vx::ui
