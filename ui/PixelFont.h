#pragma once
// The software canvas's text face: the built-in glyphs of PixelFontData scaled by a
// whole factor to the font's height; bold strikes each glyph twice, one pixel apart.
#include <string_view>

#include "ui/Font.h"

namespace vx::ui {

class PixelFont {
public:
    explicit PixelFont(const Font& font);

    int Height() const;  // line height, tmHeight
    int Ascent() const;
    int CharWidth(unsigned char c) const;  // advance
    int TextWidth(std::string_view text) const;

    // Calls plot(x, y) for each pixel of the text whose cell's top-left is (x, y);
    // underline and strike-out follow the font.
    template <class Plot>
    void Draw(int x, int y, std::string_view text, Plot&& plot) const;
    // A line under character index of text drawn at (x, y).
    template <class Plot>
    void Underline(int x, int y, std::string_view text, size_t index, Plot&& plot) const;

    struct Glyph;

private:
    static const Glyph& GlyphOf(unsigned char c);
    static bool Bit(const Glyph& g, int row, int col);
    static int GlyphWidth(const Glyph& g);

    template <class Plot>
    void DrawGlyph(int x, int y, const Glyph& g, Plot&& plot) const;
    template <class Plot>
    void HLine(int x, int y, int width, Plot&& plot) const;

    int scale_ = 1;
    int height_ = 0;  // the cell scaled, grown to the height GDI gives such a font
    int pad_ = 0;     // rows above the scaled art
    bool bold_ = false;
    bool italic_ = false;
    bool underline_ = false;
    bool strikeOut_ = false;
};

}  // namespace vx::ui

#include "ui/PixelFont.inl"
