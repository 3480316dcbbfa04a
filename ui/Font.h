#pragma once
// A logical font as Delphi's TFont describes it. The height is stored in pixels
// like LOGFONT.lfHeight: negative is the character height without internal
// leading (what "13-pixel Arial" means), positive the whole cell height.
#include <string>

#include "ui/Color.h"

namespace vx::ui {

constexpr int ScreenPixelsPerInch = 96;

struct Font {
    std::string name = "MS Sans Serif";
    int height = -11;  // 8 points at 96 dpi
    Color color = clWindowText;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    // Points, as Delphi's Font.Size: Height = -MulDiv(Size, 96, 72).
    int Size() const;
    void SetSize(int points);
    // The character height in pixels whatever the sign of height.
    int PixelHeight() const { return height < 0 ? -height : height; }

    friend bool operator==(const Font&, const Font&) = default;
};

// a * b / c rounded to the nearest integer (halves away from zero), as Windows' MulDiv;
// -1 when c is 0.
int MulDiv(int a, int b, int c);

}  // namespace vx::ui
