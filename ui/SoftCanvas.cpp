#include "ui/SoftCanvas.h"

#include <algorithm>
#include <cmath>

#include "ui/Bitmap.h"
#include "ui/BitmapStorage.h"
#include "ui/PenStroke.h"
#include "ui/ShapeRaster.h"

namespace vx::ui {

namespace {

std::uint32_t PixelOf(Color c)
{
    return ColorToPixel(ColorToRgb(c));
}

Rect Normalized(const Rect& r)
{
    return {std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
            std::max(r.top, r.bottom)};
}

bool InRow(const std::vector<RowSpan>& rows, int row, int x)
{
    if (row < 0 || row >= static_cast<int>(rows.size()))
        return false;
    const RowSpan& r = rows[static_cast<size_t>(row)];
    return x >= r.left && x <= r.right;
}

}  // namespace

SoftCanvas::SoftCanvas(BitmapStorage& target) : target_(target), sink_(target) {}

void SoftCanvas::ApplyState()
{
    sink_.SetState(State().origin, State().clip);
}

namespace {

// GDI fills a rectangle given back to front from the pixel after its right or
// bottom edge up to and including its left or top edge.
Rect FillArea(const Rect& r)
{
    Rect area = r;
    if (r.left > r.right) {
        area.left = r.right + 1;
        area.right = r.left + 1;
    }
    if (r.top > r.bottom) {
        area.top = r.bottom + 1;
        area.bottom = r.top + 1;
    }
    return area;
}

}  // namespace

void SoftCanvas::FillRect(const Rect& r)
{
    if (brush.style == BrushStyle::Clear)
        return;
    const std::uint32_t pixel = PixelOf(brush.color);
    const Rect area = FillArea(r);
    for (int y = area.top; y < area.bottom; ++y)
        sink_.Span(y, area.left, area.right, pixel);
}

void SoftCanvas::FrameRect(const Rect& r)
{
    if (brush.style == BrushStyle::Clear || r.IsEmpty())
        return;
    const std::uint32_t pixel = PixelOf(brush.color);
    sink_.Span(r.top, r.left, r.right, pixel);
    sink_.Span(r.bottom - 1, r.left, r.right, pixel);
    for (int y = r.top + 1; y < r.bottom - 1; ++y) {
        sink_.Plot(r.left, y, pixel);
        sink_.Plot(r.right - 1, y, pixel);
    }
}

void SoftCanvas::FillRows(int top, const std::vector<RowSpan>& rows)
{
    if (brush.style == BrushStyle::Clear)
        return;
    const std::uint32_t pixel = PixelOf(brush.color);
    for (size_t i = 0; i < rows.size(); ++i)
        sink_.Span(top + static_cast<int>(i), rows[i].left, rows[i].right + 1, pixel);
}

void SoftCanvas::OutlineAndFill(int top, const std::vector<RowSpan>& rows)
{
    const bool filled = brush.style != BrushStyle::Clear;
    const std::uint32_t fill = PixelOf(brush.color);
    PenStroke stroke(sink_, pen);
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        const RowSpan& span = rows[static_cast<size_t>(row)];
        const int y = top + row;
        for (int x = span.left; x <= span.right; ++x) {
            const bool border = x == span.left || x == span.right || !InRow(rows, row - 1, x) ||
                                !InRow(rows, row + 1, x);
            if (border)
                stroke.Dot(x, y);
            else if (filled)
                sink_.Plot(x, y, fill);
        }
    }
}

void SoftCanvas::Rectangle(const Rect& r)
{
    const Rect n = Normalized(r);
    if (pen.style == PenStyle::Clear) {
        // Without a pen GDI fills one pixel less on the right and at the bottom.
        FillRows(n.top, RoundRectRows(n.left, n.top, n.right - 2, n.bottom - 2, 0, 0));
        return;
    }
    OutlineAndFill(n.top, RoundRectRows(n.left, n.top, n.right - 1, n.bottom - 1, 0, 0));
}

void SoftCanvas::RoundRect(const Rect& r, int ellipseWidth, int ellipseHeight)
{
    const Rect n = Normalized(r);
    const int w = std::min(n.Width(), std::abs(ellipseWidth));
    const int h = std::min(n.Height(), std::abs(ellipseHeight));
    // Shapes too narrow to curve come out as rectangles.
    if (w < 2 || h < 2 || (pen.style == PenStyle::Clear && (w == 2 || h == 2))) {
        Rectangle(n);
        return;
    }
    // Unlike Rectangle, a curved shape without a pen keeps its full size.
    if (pen.style == PenStyle::Clear)
        FillRows(n.top, RoundRectRows(n.left, n.top, n.right - 1, n.bottom - 1, w, h));
    else
        OutlineAndFill(n.top, RoundRectRows(n.left, n.top, n.right - 1, n.bottom - 1, w, h));
}

void SoftCanvas::Ellipse(const Rect& box)
{
    const Rect n = Normalized(box);
    RoundRect(n, n.Width(), n.Height());
}

void SoftCanvas::Arc(const Rect& box, Point start, Point end)
{
    const Rect n = Normalized(box);
    const double cx = (n.left + n.right) / 2.0;
    const double cy = (n.top + n.bottom) / 2.0;
    const double sx = start.x - cx, sy = start.y - cy, ex = end.x - cx, ey = end.y - cy;
    const bool full = std::abs(sx * ey - sy * ex) < 1e-9 && sx * ex + sy * ey > 0;
    const double endAt = full ? 7.0 : SweepFrom(ex, ey, sx, sy);
    std::vector<std::pair<double, Point>> swept;
    PlotEllipse(n.left, n.top, n.right - 1, n.bottom - 1, [&](int x, int y) {
        const double at = SweepFrom(x - cx, y - cy, sx, sy);
        if (at < endAt)
            swept.emplace_back(at, Point{x, y});
    });
    std::sort(swept.begin(), swept.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    swept.erase(std::unique(swept.begin(), swept.end(), [](const auto& a, const auto& b) { return a.second == b.second; }),
                swept.end());
    // Like a line, the arc leaves out its last pixel; a closed one ends where it began.
    if (!swept.empty()) {
        if (full)
            swept.erase(swept.begin());
        else
            swept.pop_back();
    }
    PenStroke stroke(sink_, pen);
    for (const auto& [at, p] : swept)
        stroke.Dot(p.x, p.y);
}

void SoftCanvas::Polygon(std::span<const Point> points, bool winding)
{
    if (points.size() < 2)
        return;
    if (brush.style != BrushStyle::Clear) {
        const std::uint32_t pixel = PixelOf(brush.color);
        for (const ScanSpan& s : PolygonSpans(points, winding))
            sink_.Span(s.y, s.left, s.right, pixel);
    }
    StrokePolyline(points, true);
}

void SoftCanvas::Polyline(std::span<const Point> points)
{
    StrokePolyline(points, false);
    if (!points.empty())
        MoveTo(points.back());
}

void SoftCanvas::StrokePolyline(std::span<const Point> points, bool closed)
{
    PenStroke stroke(sink_, pen);
    const size_t segments = closed ? points.size() : (points.empty() ? 0 : points.size() - 1);
    for (size_t i = 0; i < segments; ++i)
        StrokeSegment(points[i], points[(i + 1) % points.size()], stroke);
}

void SoftCanvas::StrokeSegment(Point from, Point to, PenStroke& stroke)
{
    if (pen.width > 1) {
        if (!stroke.Visible())
            return;
        const std::uint32_t pixel = PixelOf(pen.color);
        for (Point p : ThickLinePixels(from, to, pen.width))
            sink_.Plot(p.x, p.y, pixel);
        return;
    }
    for (Point p : LinePixels(from, to))
        stroke.Step(p.x, p.y);
}

void SoftCanvas::StrokeSegment(Point from, Point to)
{
    PenStroke stroke(sink_, pen);
    StrokeSegment(from, to, stroke);
}

void SoftCanvas::LineTo(int x, int y)
{
    const Point from = PenPos();
    StrokeSegment(from, {x, y});
    MoveTo(x, y);
}

Color SoftCanvas::Pixel(int x, int y) const
{
    const std::optional<std::uint32_t> p = sink_.Read(x, y);
    return p ? PixelToColor(*p) : InvalidColor;
}

void SoftCanvas::SetPixel(int x, int y, Color c)
{
    sink_.Plot(x, y, PixelOf(c));
}

void SoftCanvas::CopyRect(const Rect& dest, Canvas& source, const Rect& srcRect)
{
    if (dest.IsEmpty() || srcRect.Width() == 0 || srcRect.Height() == 0)
        return;
    // Read everything first: source and destination may be the same canvas.
    const int w = dest.Width();
    const int h = dest.Height();
    const auto* soft = dynamic_cast<const SoftCanvas*>(&source);
    auto read = [&](int x, int y) {
        if (!soft)
            return source.Pixel(x, y);
        const std::optional<std::uint32_t> p = soft->sink_.ReadIgnoringClip(x, y);
        return p ? PixelToColor(*p) : InvalidColor;
    };
    std::vector<Color> pixels(static_cast<size_t>(w) * static_cast<size_t>(h));
    for (int y = 0; y < h; ++y) {
        const int sy = srcRect.top + y * srcRect.Height() / h;
        for (int x = 0; x < w; ++x) {
            const int sx = srcRect.left + x * srcRect.Width() / w;
            pixels[static_cast<size_t>(y) * static_cast<size_t>(w) + static_cast<size_t>(x)] = read(sx, sy);
        }
    }
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const Color c = pixels[static_cast<size_t>(y) * static_cast<size_t>(w) + static_cast<size_t>(x)];
            if (c != InvalidColor)
                sink_.Plot(dest.left + x, dest.top + y, ColorToPixel(c));
        }
    }
}

void SoftCanvas::Draw(int x, int y, const Bitmap& bitmap)
{
    for (int row = 0; row < bitmap.Height(); ++row)
        sink_.CopyRow(y + row, x, bitmap.Row(row), bitmap.Width());
}

void SoftCanvas::DrawTransparent(int x, int y, const Bitmap& bitmap, Color key)
{
    const std::uint32_t keyPixel = PixelOf(key);
    for (int row = 0; row < bitmap.Height(); ++row) {
        const std::uint32_t* src = bitmap.Row(row);
        for (int col = 0; col < bitmap.Width(); ++col) {
            if (src[col] != keyPixel)
                sink_.Plot(x + col, y + row, src[col]);
        }
    }
}

void SoftCanvas::FillRegion(const Region& region, Color c)
{
    const std::uint32_t pixel = PixelOf(c);
    for (const Rect& r : region.Rectangles()) {
        for (int y = r.top; y < r.bottom; ++y)
            sink_.Span(y, r.left, r.right, pixel);
    }
}

void SoftCanvas::FrameRegion(const Region& region, Color c, int width, int height)
{
    // The border is what does not survive shifting the region by the frame size
    // in each of the four directions.
    Region inner = region;
    for (const Point d : {Point{width, 0}, Point{-width, 0}, Point{0, height}, Point{0, -height}}) {
        Region shifted = region;
        shifted.Offset(d.x, d.y);
        inner = Region::Combine(inner, shifted, RegionOp::And);
    }
    FillRegion(Region::Combine(region, inner, RegionOp::Diff), c);
}

}  // namespace vx::ui
