#pragma once
// A white picture with a black pen and a red brush, and a table-driven pixel check.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/Bitmap.h"
#include "ui/Canvas.h"

namespace vx::ui::test {

struct Probe {
    int x;
    int y;
    Color expected;
};

struct PixelCase {
    std::string name;
    std::function<void(Canvas&)> draw;
    std::vector<Probe> probes;
};

inline Bitmap Blank(int width = 24, int height = 24)
{
    Bitmap picture(width, height);
    Canvas& canvas = picture.GetCanvas();
    canvas.pen = Pen{};
    canvas.brush = Brush{clRed, BrushStyle::Solid};
    return picture;
}

inline void CheckPixels(const PixelCase& c)
{
    SCOPED_TRACE(c.name);
    Bitmap picture = Blank();
    c.draw(picture.GetCanvas());
    for (const Probe& p : c.probes)
        EXPECT_EQ(picture.Pixel(p.x, p.y), p.expected) << c.name << " at (" << p.x << ", " << p.y << ")";
}

// Rows of '#' (black), 'r' (red), '.' (white) and '?' (anything else) for messages.
inline std::string Art(const Bitmap& picture)
{
    std::string art;
    for (int y = 0; y < picture.Height(); ++y) {
        for (int x = 0; x < picture.Width(); ++x) {
            const Color c = picture.Pixel(x, y);
            art += c == clBlack ? '#' : c == clRed ? 'r' : c == clWhite ? '.' : '?';
        }
        art += '\n';
    }
    return art;
}

}  // namespace vx::ui::test
