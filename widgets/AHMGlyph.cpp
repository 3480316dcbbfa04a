#include "widgets/AHMGlyph.h"

#include <algorithm>

#include "ui/Canvas.h"
#include "widgets/ColorShading.h"

namespace vx::widgets {

ui::Color GreyedPixel(ui::Color color)
{
    color = ui::ColorToRgb(color);
    const int s = ui::RedOf(color) + ui::GreenOf(color) + ui::BlueOf(color);
    if (s > 1070)
        return ui::ColorToRgb(ui::clBtnFace);
    if (s > 548)
        return ui::ColorToRgb(ui::clBtnHighlight);
    if (s > 110)
        return ui::ColorToRgb(ui::clBtnShadow);
    return ui::clBlack;
}

void TAHMGlyph::Notify()
{
    if (OnChange)
        OnChange();
}

void TAHMGlyph::SetBitmap(ui::Bitmap bitmap, bool designing)
{
    bitmap_ = std::move(bitmap);
    if (designing && !bitmap_.Empty()) {
        const int w = bitmap_.Width(), h = bitmap_.Height();
        if (w % h == 0)
            numGlyphs_ = w / h > 4 ? 1 : w / h;
        transparentColor_ = bitmap_.Pixel(0, h - 1);
    }
    Notify();
}

void TAHMGlyph::SetNumGlyphs(int count)
{
    numGlyphs_ = std::clamp(count, 1, 4);
    Notify();
}

void TAHMGlyph::SetTransparent(bool on)
{
    transparent_ = on;
    Notify();
}

void TAHMGlyph::SetTransparentColor(ui::Color c)
{
    transparentColor_ = c;
    Notify();
}

void TAHMGlyph::SetVisible(bool on)
{
    visible_ = on;
    Notify();
}

int TAHMGlyph::CellWidth() const
{
    return bitmap_.Empty() ? 0 : RoundHalfEven(bitmap_.Width(), numGlyphs_);
}

int TAHMGlyph::CellFor(bool enabled, bool pressed) const
{
    if (!enabled)
        return numGlyphs_;
    return pressed && numGlyphs_ > 2 ? 2 : 1;
}

ui::Bitmap TAHMGlyph::Cell(int cell, bool greyed) const
{
    const int w = CellWidth(), h = CellHeight();
    ui::Bitmap copy(w, h);
    const int x0 = (cell - 1) * w;
    const ui::Color key = ui::ColorToRgb(transparentColor_);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            ui::Color c = bitmap_.Pixel(x0 + x, y);
            if (c == ui::InvalidColor)
                c = key;
            copy.SetPixel(x, y, greyed && c != key ? GreyedPixel(c) : c);
        }
    }
    return copy;
}

void TAHMGlyph::Draw(ui::Canvas& canvas, int x, int y, bool enabled, bool pressed) const
{
    if (bitmap_.Empty() || !visible_)
        return;
    const ui::Bitmap cell = Cell(CellFor(enabled, pressed), !enabled);
    if (transparent_)
        canvas.DrawTransparent(x, y, cell, ui::ColorToRgb(transparentColor_));
    else
        canvas.Draw(x, y, cell);
}

}  // namespace vx::widgets
