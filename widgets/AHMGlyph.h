#pragma once
// The picture of a round button: a strip of up to four equal cells with a
// transparent colour, greyed out when its button is disabled.
#include <functional>

#include "ui/Bitmap.h"

namespace vx::ui {
class Canvas;
}

namespace vx::widgets {

// The disabled look of one pixel: by the sum of its channels, button face,
// highlight, shadow or black.
ui::Color GreyedPixel(ui::Color color);

class TAHMGlyph {
public:
    std::function<void()> OnChange;

    const ui::Bitmap& Bitmap() const { return bitmap_; }
    // designing: as at design time, the cell count follows the strip's proportions
    // and the transparent colour its bottom-left pixel.
    void SetBitmap(ui::Bitmap bitmap, bool designing = false);
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int count);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool on);
    ui::Color TransparentColor() const { return transparentColor_; }
    void SetTransparentColor(ui::Color c);
    bool Visible() const { return visible_; }
    void SetVisible(bool on);

    int CellWidth() const;
    int CellHeight() const { return bitmap_.Height(); }
    // Cell 1 normal, 2 pressed (with more than two cells), the last disabled.
    int CellFor(bool enabled, bool pressed) const;
    ui::Bitmap Cell(int cell, bool greyed) const;
    void Draw(ui::Canvas& canvas, int x, int y, bool enabled, bool pressed) const;

private:
    void Notify();

    ui::Bitmap bitmap_;
    int numGlyphs_ = 1;
    bool transparent_ = true;
    ui::Color transparentColor_ = ui::clBlack;
    bool visible_ = true;
};

}  // namespace vx::widgets
