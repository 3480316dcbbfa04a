#include "ui/PixelFont.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>

#include "ui/PixelFontData.h"

namespace vx::ui {

namespace {

constexpr int ArtBaseHeight = 11;  // the em height the art is drawn for

}  // namespace

PixelFont::PixelFont(const Font& font)
    : scale_(std::max(1, static_cast<int>(std::lround(font.PixelHeight() / static_cast<double>(ArtBaseHeight))))),
      bold_(font.bold),
      italic_(font.italic),
      underline_(font.underline),
      strikeOut_(font.strikeOut)
{
    // GDI's fonts are about 15/13 of their character height from line to line.
    height_ = std::max(PixelFontCellHeight * scale_, (font.PixelHeight() * 15 + 6) / 13);
    pad_ = (height_ - PixelFontCellHeight * scale_) / 2;
}

int PixelFont::Height() const { return height_; }
int PixelFont::Ascent() const { return pad_ + PixelFontAscent * scale_; }

int PixelFont::CharWidth(unsigned char c) const
{
    return (GlyphWidth(GlyphOf(c)) + 1) * scale_ + (bold_ ? 1 : 0);
}

int PixelFont::TextWidth(std::string_view text) const
{
    int width = 0;
    for (char ch : text)
        width += CharWidth(static_cast<unsigned char>(ch));
    return width;
}

bool PixelFont::Bit(const Glyph& g, int row, int col)
{
    const auto r = static_cast<size_t>(row);
    const auto c = static_cast<size_t>(col);
    return r < g.rows.size() && c < g.rows[r].size() && g.rows[r][c] == '#';
}

int PixelFont::GlyphWidth(const Glyph& g) { return g.width; }

namespace {

// The art's first row sits one row below the top of the cell.
PixelFont::Glyph Parse(const GlyphArt& art);

}  // namespace

const PixelFont::Glyph& PixelFont::GlyphOf(unsigned char c)
{
    static const auto table = [] {
        auto glyphs = std::make_unique<std::array<Glyph, 256>>();
        const Glyph missing = Parse(PixelFontMissingGlyph);
        glyphs->fill(missing);
        for (int i = 0; i < PixelFontGlyphCount; ++i)
            (*glyphs)[PixelFontGlyphs[i].code] = Parse(PixelFontGlyphs[i]);
        return glyphs;
    }();
    return (*table)[c];
}

namespace {

PixelFont::Glyph Parse(const GlyphArt& art)
{
    PixelFont::Glyph g;
    g.rows.assign(static_cast<size_t>(art.top + 1), std::string());
    std::string row;
    for (const char* p = art.rows;; ++p) {
        if (*p == '/' || *p == '\0') {
            g.width = std::max(g.width, static_cast<int>(row.size()));
            g.rows.push_back(row);
            row.clear();
            if (*p == '\0')
                break;
        } else {
            row.push_back(*p);
        }
    }
    return g;
}

}  // namespace

}  // namespace vx::ui
