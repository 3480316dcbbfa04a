#pragma once
#include <string>
#include <vector>

namespace vx::ui {

struct PixelFont::Glyph {
    int width = 0;
    std::vector<std::string> rows;  // cell rows from the top, '#' set
};

constexpr int PixelFontCellHeight = 13;
constexpr int PixelFontAscent = 10;
constexpr int PixelFontUnderlineRow = 10;
constexpr int PixelFontStrikeRow = 7;

template <class Plot>
void PixelFont::DrawGlyph(int x, int y, const Glyph& g, Plot&& plot) const
{
    for (int row = 0; row < PixelFontCellHeight; ++row) {
        // Italic leans by one pixel every four rows above the baseline.
        const int lean = italic_ ? (PixelFontAscent - 1 - row) * scale_ / 4 : 0;
        for (int col = 0; col < g.width; ++col) {
            if (!Bit(g, row, col))
                continue;
            for (int sy = 0; sy < scale_; ++sy) {
                for (int sx = 0; sx < scale_; ++sx) {
                    const int px = x + col * scale_ + sx + lean;
                    plot(px, y + row * scale_ + sy);
                    if (bold_)
                        plot(px + 1, y + row * scale_ + sy);
                }
            }
        }
    }
}

template <class Plot>
void PixelFont::HLine(int x, int y, int width, Plot&& plot) const
{
    for (int sy = 0; sy < scale_; ++sy) {
        for (int i = 0; i < width; ++i)
            plot(x + i, y + sy);
    }
}

template <class Plot>
void PixelFont::Draw(int x, int y, std::string_view text, Plot&& plot) const
{
    y += pad_;
    int pen = x;
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        DrawGlyph(pen, y, GlyphOf(c), plot);
        pen += CharWidth(c);
    }
    if (underline_)
        HLine(x, y + PixelFontUnderlineRow * scale_, pen - x, plot);
    if (strikeOut_)
        HLine(x, y + PixelFontStrikeRow * scale_, pen - x, plot);
}

template <class Plot>
void PixelFont::Underline(int x, int y, std::string_view text, size_t index, Plot&& plot) const
{
    if (index >= text.size())
        return;
    y += pad_;
    const int start = x + TextWidth(text.substr(0, index));
    const auto c = static_cast<unsigned char>(text[index]);
    HLine(start, y + PixelFontUnderlineRow * scale_, CharWidth(c) - scale_, plot);
}

}  // namespace vx::ui
