#pragma once
// The drawing surface that controls paint on, shaped like Delphi's TCanvas.
// Coordinates follow GDI: right and bottom edges of rectangles and shapes are
// exclusive, LineTo leaves out its last pixel, Arc runs counter-clockwise.
//
// Colours may be system colour references (see Color.h); every primitive resolves
// them. Pen, brush and font are plain state read by each call.
//
// Origin and clip: SetOrigin moves the logical (0, 0) to the given surface
// position, so a child control paints in its own coordinates. Clip regions and
// rectangles are given in the current logical coordinates and stay where they are
// on the surface when the origin moves later. SaveState/RestoreState bracket a
// child's painting.
#include <optional>
#include <span>
#include <string_view>

#include "ui/Brush.h"
#include "ui/Font.h"
#include "ui/Geometry.h"
#include "ui/Pen.h"
#include "ui/Region.h"
#include "ui/TextFormat.h"

namespace vx::ui {

class Bitmap;

// Returned by Pixel() outside the surface or the clip, like GetPixel's CLR_INVALID.
constexpr Color InvalidColor = 0xFFFFFFFFu;

struct CanvasState {
    Point origin;
    std::optional<Region> clip;  // surface coordinates
};

class Canvas {
public:
    Canvas() = default;
    virtual ~Canvas() = default;
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    Pen pen;
    Brush brush;
    Font font;

    // Filled with the brush, no outline (FillRect).
    virtual void FillRect(const Rect& r) = 0;
    // A one-pixel frame in the brush colour (FrameRect).
    virtual void FrameRect(const Rect& r) = 0;
    // Outlined with the pen, filled with the brush unless it is Clear.
    virtual void Rectangle(const Rect& r) = 0;
    virtual void RoundRect(const Rect& r, int ellipseWidth, int ellipseHeight) = 0;
    virtual void Ellipse(const Rect& box) = 0;
    // The outline of the ellipse in box, counter-clockwise from the radial through
    // start to the radial through end; the pen position is not used or changed.
    virtual void Arc(const Rect& box, Point start, Point end) = 0;
    // Alternate fill (SetPolyFillMode ALTERNATE) unless winding is true.
    virtual void Polygon(std::span<const Point> points, bool winding = false) = 0;
    virtual void Polyline(std::span<const Point> points) = 0;

    void MoveTo(int x, int y) { penPos_ = {x, y}; }
    void MoveTo(Point p) { penPos_ = p; }
    // Draws from the pen position to (x, y), leaving out (x, y), and moves there.
    virtual void LineTo(int x, int y) = 0;
    void LineTo(Point p) { LineTo(p.x, p.y); }
    Point PenPos() const { return penPos_; }

    virtual Color Pixel(int x, int y) const = 0;
    virtual void SetPixel(int x, int y, Color c) = 0;

    // In the font colour, top-left at (x, y). The background behind the glyph cells
    // is filled with the brush colour unless the brush is Clear (Delphi's rule).
    virtual void TextOut(int x, int y, std::string_view text) = 0;
    // As Windows DrawText (background always transparent). Returns the height of
    // the text; with CalcRect nothing is drawn and r's right/bottom are set.
    virtual int DrawText(Rect& r, std::string_view text, TextFormat format) = 0;
    int DrawText(const Rect& r, std::string_view text, TextFormat format)
    {
        Rect copy = r;
        return DrawText(copy, text, format);
    }
    virtual Size TextExtent(std::string_view text) = 0;
    int TextWidth(std::string_view text) { return TextExtent(text).cx; }
    int TextHeight(std::string_view text) { return TextExtent(text).cy; }

    // Copies source's srcRect into dest, stretching when the sizes differ.
    virtual void CopyRect(const Rect& dest, Canvas& source, const Rect& srcRect) = 0;
    virtual void Draw(int x, int y, const Bitmap& bitmap) = 0;
    // Leaves out the bitmap's pixels of colour key.
    virtual void DrawTransparent(int x, int y, const Bitmap& bitmap, Color key) = 0;

    virtual void FillRegion(const Region& region, Color c) = 0;
    // A border width pixels wide on the left and right sides and height pixels on
    // the top and bottom sides, inside the region (FrameRgn).
    virtual void FrameRegion(const Region& region, Color c, int width, int height) = 0;

    void SetOrigin(Point origin);
    Point Origin() const { return state_.origin; }
    void SetClip(const Region& region);
    void SetClipRect(const Rect& r) { SetClip(Region::FromRect(r)); }
    // Narrows the current clip (or the whole surface) to r.
    void IntersectClipRect(const Rect& r);
    void ClearClip();
    // In logical coordinates; nullopt when nothing is clipped.
    std::optional<Region> Clip() const;

    CanvasState SaveState() const { return state_; }
    void RestoreState(const CanvasState& state);

protected:
    const CanvasState& State() const { return state_; }
    // The backend takes over a new origin or clip.
    virtual void ApplyState() = 0;

private:
    CanvasState state_;
    Point penPos_;
};

// Saves the origin and clip on construction and restores them on destruction.
class ScopedCanvasState {
public:
    explicit ScopedCanvasState(Canvas& canvas) : canvas_(canvas), saved_(canvas.SaveState()) {}
    ~ScopedCanvasState() { canvas_.RestoreState(saved_); }
    ScopedCanvasState(const ScopedCanvasState&) = delete;
    ScopedCanvasState& operator=(const ScopedCanvasState&) = delete;

private:
    Canvas& canvas_;
    CanvasState saved_;
};

}  // namespace vx::ui
