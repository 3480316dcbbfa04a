#pragma once
// The software renderer: a Canvas on 32-bit pixel memory that follows GDI's pixel
// rules for the shapes. Text comes from a built-in pixel font (PixelFont.h) scaled
// to the requested height, so it reads like, but does not match, the system fonts.
#include <vector>

#include "ui/Canvas.h"
#include "ui/EllipseRaster.h"
#include "ui/PixelSink.h"

namespace vx::ui {

class BitmapStorage;
class PenStroke;

class SoftCanvas : public Canvas {
public:
    explicit SoftCanvas(BitmapStorage& target);

    void FillRect(const Rect& r) override;
    void FrameRect(const Rect& r) override;
    void Rectangle(const Rect& r) override;
    void RoundRect(const Rect& r, int ellipseWidth, int ellipseHeight) override;
    void Ellipse(const Rect& box) override;
    void Arc(const Rect& box, Point start, Point end) override;
    void Polygon(std::span<const Point> points, bool winding = false) override;
    void Polyline(std::span<const Point> points) override;
    using Canvas::LineTo;
    void LineTo(int x, int y) override;
    Color Pixel(int x, int y) const override;
    void SetPixel(int x, int y, Color c) override;
    void TextOut(int x, int y, std::string_view text) override;
    using Canvas::DrawText;
    int DrawText(Rect& r, std::string_view text, TextFormat format) override;
    Size TextExtent(std::string_view text) override;
    void CopyRect(const Rect& dest, Canvas& source, const Rect& srcRect) override;
    void Draw(int x, int y, const Bitmap& bitmap) override;
    void DrawTransparent(int x, int y, const Bitmap& bitmap, Color key) override;
    void FillRegion(const Region& region, Color c) override;
    void FrameRegion(const Region& region, Color c, int width, int height) override;

protected:
    void ApplyState() override;

private:
    // Rows x0..x1 of a shape: the 4-connected border in the pen, the rest in the brush.
    void OutlineAndFill(int top, const std::vector<RowSpan>& rows);
    void FillRows(int top, const std::vector<RowSpan>& rows);
    void StrokePolyline(std::span<const Point> points, bool closed);
    void StrokeSegment(Point from, Point to, PenStroke& stroke);
    void StrokeSegment(Point from, Point to);
    void DrawTextLine(int x, int y, std::string_view text);

    BitmapStorage& target_;
    PixelSink sink_;
};

}  // namespace vx::ui
