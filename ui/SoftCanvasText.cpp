// The text half of the software canvas, on the built-in pixel font.
#include "ui/Bitmap.h"
#include "ui/PixelFont.h"
#include "ui/SoftCanvas.h"
#include "ui/TextLayout.h"

namespace vx::ui {

void SoftCanvas::DrawTextLine(int x, int y, std::string_view text)
{
    const PixelFont face(font);
    const std::uint32_t pixel = ColorToPixel(ColorToRgb(font.color));
    face.Draw(x, y, text, [&](int px, int py) { sink_.Plot(px, py, pixel); });
}

void SoftCanvas::TextOut(int x, int y, std::string_view text)
{
    const PixelFont face(font);
    if (brush.style != BrushStyle::Clear) {
        const std::uint32_t back = ColorToPixel(ColorToRgb(brush.color));
        const int width = face.TextWidth(text);
        for (int row = 0; row < face.Height(); ++row)
            sink_.Span(y + row, x, x + width, back);
    }
    DrawTextLine(x, y, text);
    MoveTo(x + face.TextWidth(text), y);  // as Delphi's TextOut
}

int SoftCanvas::DrawText(Rect& r, std::string_view text, TextFormat format)
{
    const PixelFont face(font);
    const TextLayout layout = LayoutText(
        r, text, format, [&face](std::string_view s) { return face.TextWidth(s); }, face.Height());
    if (HasFlag(format, TextFormat::CalcRect)) {
        r = layout.bounds;
        return layout.result;
    }
    ScopedCanvasState saved(*this);
    if (!HasFlag(format, TextFormat::NoClip))
        IntersectClipRect(r);
    const std::uint32_t pixel = ColorToPixel(ColorToRgb(font.color));
    auto plot = [&](int px, int py) { sink_.Plot(px, py, pixel); };
    for (const TextLine& line : layout.lines) {
        face.Draw(line.x, line.y, line.text, plot);
        if (line.underline >= 0)
            face.Underline(line.x, line.y, line.text, static_cast<size_t>(line.underline), plot);
    }
    return layout.result;
}

Size SoftCanvas::TextExtent(std::string_view text)
{
    const PixelFont face(font);
    return {face.TextWidth(text), face.Height()};
}

}  // namespace vx::ui
