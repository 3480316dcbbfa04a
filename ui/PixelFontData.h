#pragma once

namespace vx::ui {

struct GlyphArt {
    unsigned char code;
    int top;           // first row of the art in the cell
    const char* rows;  // '#' set, '.' clear, rows separated by '/'
};

extern const GlyphArt PixelFontGlyphs[];
extern const int PixelFontGlyphCount;
extern const GlyphArt PixelFontMissingGlyph;

}  // namespace vx::ui
