#pragma once
// The Canvas over a Windows device context. It does not own the DC; it owns the
// pens, brushes and fonts it makes from the canvas state and puts the DC's own
// objects back when it is destroyed.
#include <windows.h>

#include <optional>

#include "ui/Canvas.h"
#include "ui/win32/GdiHandles.h"

namespace vx::ui::win32 {

class GdiCanvas : public Canvas {
public:
    explicit GdiCanvas(HDC dc);
    ~GdiCanvas() override;

    HDC Dc() const { return dc_; }

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
    void SelectPen();
    void SelectBrush();
    void SelectFont();
    void SelectShapeTools();
    HBRUSH SolidBrushFor(Color c, BrushHandle& holder) const;

    HDC dc_ = nullptr;
    HGDIOBJ originalPen_ = nullptr;
    HGDIOBJ originalBrush_ = nullptr;
    HGDIOBJ originalFont_ = nullptr;
    std::optional<Pen> selectedPen_;
    std::optional<Brush> selectedBrush_;
    std::optional<Font> selectedFont_;
    PenHandle pen_;
    BrushHandle brush_;
    FontHandle font_;
};

}  // namespace vx::ui::win32
