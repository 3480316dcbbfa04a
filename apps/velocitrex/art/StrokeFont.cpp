#include "apps/velocitrex/art/StrokeFont.h"

#include <cctype>
#include <cstdlib>
#include <limits>
#include <stdexcept>

namespace vx::art {
namespace {

constexpr double GridHeight = 6;  // cap height in grid units
constexpr double LetterGap = 1.7;  // grid units between the strokes of two letters
constexpr double SpaceWidth = 2.4;

struct Glyph {
    char c;
    double width;
    // Polylines "x,y x,y ..." separated by '|'; a single point is a dot.
    const char* strokes;
};

// y runs down from the cap line (0) to the baseline (6).
constexpr Glyph Glyphs[] = {
    {'A', 4, "0,6 0,1 1,0 3,0 4,1 4,6|0,3.4 4,3.4"},
    {'B', 4, "0,3 3,3 4,4 4,5 3,6 0,6 0,0 3,0 4,1 4,2 3,3"},
    {'C', 4, "4,1 3,0 1,0 0,1 0,5 1,6 3,6 4,5"},
    {'D', 4, "0,0 3,0 4,1 4,5 3,6 0,6 0,0"},
    {'E', 3.6, "3.6,0 0,0 0,6 3.6,6|0,3 3,3"},
    {'F', 3.6, "3.6,0 0,0 0,6|0,3 3,3"},
    {'G', 4, "4,1 3,0 1,0 0,1 0,5 1,6 3,6 4,5 4,3.4 2.2,3.4"},
    {'H', 4, "0,0 0,6|4,0 4,6|0,3 4,3"},
    {'I', 0, "0,0 0,6"},
    {'J', 4, "4,0 4,5 3,6 1,6 0,5"},
    {'K', 4, "0,0 0,6|0,3 1.2,3|4,0 1.2,3 4,6"},
    {'L', 3.6, "0,0 0,6 3.6,6"},
    {'M', 5, "0,6 0,0 2.5,3.4 5,0 5,6"},
    {'N', 4, "0,6 0,0 4,6 4,0"},
    {'O', 4, "1,0 3,0 4,1 4,5 3,6 1,6 0,5 0,1 1,0"},
    {'P', 4, "0,6 0,0 3,0 4,1 4,2 3,3 0,3"},
    {'Q', 4, "1,0 3,0 4,1 4,5 3,6 1,6 0,5 0,1 1,0|2.6,4.6 4.2,6.2"},
    {'R', 4, "0,6 0,0 3,0 4,1 4,2 3,3 0,3|3,3 4,4 4,6"},
    {'S', 4, "4,1 3,0 1,0 0,1 0,2 1,3 3,3 4,4 4,5 3,6 1,6 0,5"},
    {'T', 4, "0,0 4,0|2,0 2,6"},
    {'U', 4, "0,0 0,5 1,6 3,6 4,5 4,0"},
    {'V', 4, "0,0 2,6 4,0"},
    {'W', 5.2, "0,0 1.3,6 2.6,2 3.9,6 5.2,0"},
    {'X', 4, "0,0 4,6|4,0 0,6"},
    {'Y', 4, "0,0 2,3 4,0|2,3 2,6"},
    {'Z', 4, "0,0 4,0 0,6 4,6"},
    {'0', 4, "1,0 3,0 4,1 4,5 3,6 1,6 0,5 0,1 1,0"},
    {'1', 1.6, "0,1.2 1.6,0 1.6,6"},
    {'2', 4, "0,1 1,0 3,0 4,1 4,2 3,3 1,3 0,4 0,6 4,6"},
    {'3', 4, "0,1 1,0 3,0 4,1 4,2 3,3 1.4,3|3,3 4,4 4,5 3,6 1,6 0,5"},
    {'4', 4, "3,6 3,0 0,4 4,4"},
    {'5', 4, "4,0 0,0 0,3 3,3 4,4 4,5 3,6 0,6"},
    {'6', 4, "4,1 3,0 1,0 0,1 0,5 1,6 3,6 4,5 4,4 3,3 0,3"},
    {'7', 4, "0,0 4,0 4,1 1.6,6"},
    {'8', 4, "1,3 0,2 0,1 1,0 3,0 4,1 4,2 3,3 1,3 0,4 0,5 1,6 3,6 4,5 4,4 3,3"},
    {'9', 4, "4,3 1,3 0,2 0,1 1,0 3,0 4,1 4,5 3,6 1,6 0,5"},
    {'!', 0, "0,0 0,4|0,6"},
    {'?', 4, "0,1 1,0 3,0 4,1 4,2 3,3 2,3 2,4|2,6"},
    {'.', 0, "0,6"},
    {',', 0.6, "0.6,5.6 0,7"},
    {':', 0, "0,2|0,6"},
    {'-', 2.6, "0,3.2 2.6,3.2"},
    {'+', 3, "0,3.2 3,3.2|1.5,1.7 1.5,4.7"},
    {'/', 3, "0,6 3,0"},
    {'\'', 0, "0,0 0,1.6"},
    {'>', 3, "0,0.6 3,3.2 0,5.8"},
    {'<', 3, "3,0.6 0,3.2 3,5.8"},
};

const Glyph* Find(char c)
{
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (const Glyph& g : Glyphs)
        if (g.c == upper)
            return &g;
    return nullptr;
}

std::vector<std::vector<Pt>> Polylines(const char* strokes)
{
    std::vector<std::vector<Pt>> lines(1);
    const char* p = strokes;
    while (*p) {
        if (*p == '|') {
            lines.emplace_back();
            ++p;
            continue;
        }
        if (*p == ' ') {
            ++p;
            continue;
        }
        char* end = nullptr;
        const double x = std::strtod(p, &end);
        const double y = std::strtod(end + 1, &end);  // skips the comma
        lines.back().push_back({x, y});
        p = end;
    }
    return lines;
}

double Advance(char c, const TextStyle& style)
{
    const double unit = style.capHeight / GridHeight;
    if (c == ' ')
        return SpaceWidth * unit + style.tracking;
    const Glyph* g = Find(c);
    return g ? (g->width + LetterGap) * unit + style.weight * 0.35 + style.tracking : 0;
}

// Text width from the first stem to the last, without the trailing gap.
double InkWidth(std::string_view text, const TextStyle& style)
{
    double width = 0;
    double last = 0;
    for (char c : text) {
        const Glyph* g = Find(c);
        if (g)
            last = width + g->width * style.capHeight / GridHeight;
        width += Advance(c, style);
    }
    return last;
}

}  // namespace

TextLine::TextLine(std::string_view text, double x, double baseline, TextStyle style) : half_(style.weight / 2)
{
    const double unit = style.capHeight / GridHeight;
    double penX = x;
    bool first = true;
    for (char c : text) {
        const Glyph* g = Find(c);
        if (!g && c != ' ')
            throw std::invalid_argument(std::string("no letter for '") + c + "' in \"" + std::string(text) + "\"");
        if (g) {
            Placed placed;
            const auto map = [&](Pt p) {
                const double y = baseline - (GridHeight - p.y) * unit;
                return Pt{penX + p.x * unit + (baseline - y) * style.slant, y};
            };
            Extent e{1e30, 1e30, -1e30, -1e30};
            for (const auto& line : Polylines(g->strokes)) {
                for (std::size_t i = 0; i < line.size(); ++i) {
                    const Pt a = map(line[i]);
                    const Pt b = map(line[i + 1 < line.size() ? i + 1 : i]);
                    if (line.size() == 1 || i + 1 < line.size())
                        placed.strokes.push_back({a, b});
                    e = {std::min({e.left, a.x, b.x}), std::min({e.top, a.y, b.y}), std::max({e.right, a.x, b.x}),
                         std::max({e.bottom, a.y, b.y})};
                }
            }
            placed.bounds = e.Grown(half_);
            bounds_ = first ? placed.bounds : bounds_.United(placed.bounds);
            first = false;
            glyphs_.push_back(std::move(placed));
        }
        penX += Advance(c, style);
    }
    width_ = InkWidth(text, style) + style.weight;
}

double TextLine::Distance(double x, double y) const
{
    return DistanceWithin(x, y, std::numeric_limits<double>::max());
}

double TextLine::DistanceWithin(double x, double y, double limit) const
{
    double d = limit;
    for (const Placed& g : glyphs_) {
        // Far from a letter's box, its strokes cannot be nearer than what is found already.
        const double boxDx = std::max({g.bounds.left - x, 0.0, x - g.bounds.right});
        const double boxDy = std::max({g.bounds.top - y, 0.0, y - g.bounds.bottom});
        if (boxDx > d || boxDy > d)
            continue;
        for (const Stroke& s : g.strokes)
            d = std::min(d, SegmentDistance({x, y}, s.a, s.b) - half_);
    }
    return d;
}

double TextLine::Measure(std::string_view text, const TextStyle& style)
{
    return InkWidth(text, style) + style.weight;
}

TextLine CentredText(std::string_view text, double centreX, double baseline, const TextStyle& style)
{
    // A slanted line leans right by half its height at mid-height.
    const double lean = style.capHeight * style.slant / 2;
    return TextLine(text, centreX - TextLine::Measure(text, style) / 2 + style.weight / 2 - lean, baseline, style);
}

TextLine RightAlignedText(std::string_view text, double rightX, double baseline, const TextStyle& style)
{
    return TextLine(text, rightX - TextLine::Measure(text, style) + style.weight / 2, baseline, style);
}

}  // namespace vx::art
