#include "apps/velocitrex/art/Logo.h"

#include <cmath>
#include <numbers>
#include <string>

#include "apps/velocitrex/art/Painter.h"
#include "apps/velocitrex/art/Palette.h"

namespace vx::art {
namespace {

constexpr const char* Word = "VELOCITRE";  // the X follows in red
constexpr double Slant = 0.22;

void DrawStreaks(Raster& raster, double right, double capTop, double capHeight)
{
    const double lengths[] = {0.9, 1.25, 0.75};
    for (int i = 0; i < 3; ++i) {
        const double y = capTop + capHeight * (0.2 + 0.3 * i);
        const double end = right - (capHeight - (y - capTop)) * Slant - capHeight * 0.12 * i;
        const double start = end - capHeight * lengths[i];
        const double thick = capHeight * 0.075;
        const Capsule streak{{end, y}, {start, y}, thick, 0.4};
        Fill(raster, streak, Horizontal(start, end, {{0, palette::Red, 0}, {0.55, palette::Red, 0.8}, {1, palette::HotRed}}));
    }
}

void DrawBadge(Raster& raster, double left, double top, double height)
{
    const TextStyle style{height * 0.52, std::max(1.3, height * 0.11), Slant, height * 0.04};
    const double width = TextLine::Measure("2K3", style) + height * 0.9;
    const RoundRect badge{left, top, left + width, top + height, height * 0.28};
    Shadow(raster, badge, 0, 1, 2, palette::Ink, 0.7f);
    Fill(raster, badge, Vertical(top, top + height, {{0, palette::HotRed}, {0.5, palette::Red}, {1, palette::DeepRed}}));
    Fill(raster, Outline{Grown{badge, -0.5}, 0.5}, Vertical(top, top + height, {{0, Hex(0xFF8A7A)}, {0.5, palette::Red, 0}}));
    const TextLine text = CentredText("2K3", left + width / 2, top + height * 0.76, style);
    Fill(raster, text, palette::Chrome);
}

}  // namespace

TextStyle WordmarkStyle(double capHeight)
{
    return {capHeight, capHeight * 0.2, Slant, capHeight * 0.06};
}

void DrawWordmark(Raster& raster, double x, double baseline, double capHeight, bool redX)
{
    const TextStyle style = WordmarkStyle(capHeight);
    const TextLine word(Word, x, baseline, style);
    const double xAt = x + TextLine::Measure(Word, style) - style.weight / 2 + capHeight * 0.29 + style.tracking;
    const TextLine ex("X", xAt, baseline, style);
    const double top = baseline - capHeight;

    const Union both{word, ex};
    Shadow(raster, both, capHeight * 0.06, capHeight * 0.1, static_cast<int>(capHeight * 0.12) + 1, palette::Ink, 0.85f);
    Fill(raster, Grown{both, capHeight * 0.05}, palette::Ink);
    Fill(raster, word,
         Vertical(top, baseline, {{0, palette::Chrome}, {0.48, Hex(0xDCE3EE)}, {0.52, palette::ChromeShade}, {1, Hex(0xEEF2F8)}}));
    if (redX)
        Fill(raster, ex, Vertical(top, baseline, {{0, Hex(0xFF7A5C)}, {0.48, palette::HotRed}, {0.52, palette::Red}, {1, Hex(0xE0251A)}}));
    else
        Fill(raster, ex, Vertical(top, baseline, {{0, palette::Chrome}, {0.48, Hex(0xDCE3EE)}, {0.52, palette::ChromeShade}, {1, Hex(0xEEF2F8)}}));
}

double WordmarkWidth(double capHeight)
{
    return TextLine::Measure("VELOCITREX", WordmarkStyle(capHeight)) + capHeight * (0.29 + Slant);
}

void DrawLogo(Raster& raster, const Box& where)
{
    // As high as the box allows, unless the width runs out first.
    const double streaks = 1.45;
    const double capHeight = std::min(where.Height() * 0.34, (where.Width() - 4) / (WordmarkWidth(1) + streaks));
    const double streakRoom = capHeight * (streaks - 0.1);
    const double baseline = where.top + where.Height() * 0.6;
    DrawStreaks(raster, where.left + streakRoom, baseline - capHeight, capHeight);
    DrawWordmark(raster, where.left + streakRoom + capHeight * 0.1, baseline, capHeight, true);
    const double badgeHeight = capHeight * 0.55;
    const TextStyle small{capHeight * 0.3, std::max(1.1, capHeight * 0.055), Slant, capHeight * 0.05};
    const double lineY = baseline + capHeight * 0.62;
    const TextLine tagline("INTERNET ACCELERATOR", where.left + streakRoom + capHeight * 0.05, lineY, small);
    Fill(raster, tagline, palette::Steel);
    DrawBadge(raster, tagline.Bounds().right + capHeight * 0.35, lineY - badgeHeight * 0.8, badgeHeight);
}

void DrawGauge(Raster& raster, double cx, double cy, double radius)
{
    const double pi = std::numbers::pi;
    const bool detailed = radius >= 14;
    const Circle face{cx, cy, radius};
    if (detailed)
        Shadow(raster, face, 0, radius * 0.06, static_cast<int>(radius * 0.1) + 1, palette::Ink, 0.8f);
    Fill(raster, face, Radial{cx, cy - radius * 0.4, radius * 1.5, {{0, Hex(0x4A5366)}, {0.6, Hex(0x1C2029)}, {1, Hex(0x0B0D12)}}});
    Fill(raster, Outline{Grown{face, -radius * 0.04}, std::max(radius * 0.035, 0.5)},
         Vertical(cy - radius, cy + radius, {{0, palette::Rim}, {0.5, Hex(0x3A4252)}, {1, Hex(0x20242D)}}));

    // The scale runs 270 degrees clockwise from the lower left; f is a fraction of it.
    const double start = pi * 1.25, sweep = pi * 1.5;
    const auto angle = [&](double f) { return start - sweep * f; };
    if (detailed) {
        for (int i = 0; i <= 10; ++i) {
            const double a = angle(i / 10.0);
            const double inner = radius * (i % 2 == 0 ? 0.6 : 0.66);
            const Capsule tick{{cx + std::cos(a) * inner, cy - std::sin(a) * inner},
                               {cx + std::cos(a) * radius * 0.72, cy - std::sin(a) * radius * 0.72},
                               radius * (i % 2 == 0 ? 0.032 : 0.022)};
            Fill(raster, tick, palette::Steel);
        }
    }
    // The lit part of the scale, from the top round to the end, growing hotter.
    const double r = radius * (detailed ? 0.84 : 0.72);
    const ArcBand lit{cx, cy, r, std::max(radius * (detailed ? 0.06 : 0.1), 0.9), angle(1.0), angle(0.42)};
    const auto heat = [&](double x, double y) {
        double a = std::atan2(cy - y, x - cx);
        if (a < angle(1.0))
            a += 2 * pi;
        const double f = (start - a) / sweep;
        return Rgba{Mix(palette::Ember, palette::HotRed, static_cast<float>(std::clamp((f - 0.42) / 0.4, 0.0, 1.0))), 1};
    };
    Fill(raster, lit, heat);
    // The needle, high on the scale.
    const double needle = angle(0.74);
    const Pt tip{cx + std::cos(needle) * radius * 0.8, cy - std::sin(needle) * radius * 0.8};
    const Pt tail{cx - std::cos(needle) * radius * 0.16, cy + std::sin(needle) * radius * 0.16};
    const Capsule hand{tail, tip, std::max(radius * 0.07, 0.9), std::max(radius * 0.025, 0.6)};
    if (detailed)
        Shadow(raster, hand, radius * 0.03, radius * 0.05, static_cast<int>(radius * 0.05) + 1, palette::Ink, 0.7f);
    Fill(raster, hand, palette::Chrome);
    const Circle hub{cx, cy, std::max(radius * 0.13, 1.2)};
    Fill(raster, hub, Radial{cx - radius * 0.04, cy - radius * 0.04, radius * 0.16, {{0, Hex(0xFF6A50)}, {1, palette::DeepRed}}});
}

}  // namespace vx::art
