#include "apps/gallery/PatternBox.h"

#include <array>

#include "ui/Canvas.h"

namespace vx::ui {

namespace {

constexpr int CheckSize = 8;
constexpr std::array<Color, 5> RingColors{clNavy, clTeal, clLime, clYellow, clRed};

}  // namespace

void PatternBox::Paint(Canvas& canvas)
{
    PaintChecks(canvas);
    const Point centre{Width() / 3, Height() / 2};
    PaintRings(canvas, centre);
    PaintFan(canvas, {Width() * 3 / 4, Height() / 2});
    const std::array<Point, 3> triangle{Point{8, Height() - 8}, Point{40, Height() - 40}, Point{72, Height() - 8}};
    canvas.pen = Pen{clBlack, 1, PenStyle::Solid};
    canvas.brush = Brush{clFuchsia, BrushStyle::Solid};
    canvas.Polygon(triangle);
    canvas.brush = Brush{clWhite, BrushStyle::Clear};
    canvas.font = GetFont();
    canvas.font.bold = true;
    canvas.font.color = clMaroon;
    canvas.TextOut(8, 6, Caption());
    canvas.brush = Brush{clBlack, BrushStyle::Solid};
    canvas.FrameRect(ClientRect());
}

void PatternBox::PaintChecks(Canvas& canvas)
{
    for (int y = 0; y < Height(); y += CheckSize) {
        for (int x = 0; x < Width(); x += CheckSize) {
            const bool dark = ((x + y) / CheckSize) % 2 == 0;
            canvas.brush = Brush{dark ? Rgb(208, 208, 224) : clWhite, BrushStyle::Solid};
            canvas.FillRect(Rect::Bounds(x, y, CheckSize, CheckSize));
        }
    }
}

void PatternBox::PaintRings(Canvas& canvas, Point centre)
{
    const int step = 9;
    int radius = step * static_cast<int>(RingColors.size());
    for (const Color color : RingColors) {
        canvas.pen = Pen{clBlack, 1, PenStyle::Solid};
        canvas.brush = Brush{color, BrushStyle::Solid};
        canvas.Ellipse({centre.x - radius, centre.y - radius, centre.x + radius, centre.y + radius});
        radius -= step;
    }
}

void PatternBox::PaintFan(Canvas& canvas, Point centre)
{
    const int reach = Height() / 2 - 10;
    for (int i = 0; i <= 8; ++i) {
        canvas.pen = Pen{i % 2 ? clBlue : clGreen, 1, PenStyle::Solid};
        canvas.MoveTo(centre);
        canvas.LineTo(centre.x - reach + i * reach / 4, centre.y - reach);
        canvas.MoveTo(centre);
        canvas.LineTo(centre.x - reach + i * reach / 4, centre.y + reach);
    }
}

}  // namespace vx::ui
