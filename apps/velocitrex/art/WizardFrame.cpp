// The frame shared by the main window and its two pages: a graphite body cut to
// the window's outline, a flat header with the logo, a red speed line, the well
// of the left button column, the white work area and a flat footer.
#include <string_view>

#include "apps/velocitrex/art/Logo.h"
#include "apps/velocitrex/art/Outlines.h"
#include "apps/velocitrex/art/Painter.h"
#include "apps/velocitrex/art/Palette.h"
#include "apps/velocitrex/art/Pictures.h"

namespace vx::art {
namespace {

namespace wz = layout::wizard;

RoundRect Rect(const Box& b, double radius = 0)
{
    return {static_cast<double>(b.left), static_cast<double>(b.top), static_cast<double>(b.right),
            static_cast<double>(b.bottom), radius};
}

// Everything a frame holds besides its work area and lettering.
struct FrameParts {
    int headerBottom;
    bool buttonWell;
    Box content;
    Box footer;
};

void DrawBody(Raster& raster, const FrameParts& parts)
{
    const RoundRect body = WizardOutline();
    Fill(raster, body, Vertical(body.top, body.bottom, {{0, palette::FrameTop}, {1, palette::FrameBottom}}));
    // The header: flat, cut to the outline's upper corners.
    const Intersection header{Grown{body, -1.0}, RoundRect{0, 0, 640, static_cast<double>(parts.headerBottom), 0}};
    Fill(raster, header, palette::Header);
    // A light edge along the top that fades down the sides.
    Fill(raster, Outline{Grown{body, -1.5}, 0.6},
         Vertical(body.top, body.top + 60, {{0, palette::Rim}, {0.35, palette::Rim, 0.35f}, {1, palette::Rim, 0}}));
    // The speed line under the header: hot at the left, gone by the right edge.
    const double y = parts.headerBottom;
    Fill(raster, Polygon{{{2, y}, {330, y}, {322, y + 4}, {2, y + 4}}},
         Horizontal(2, 330, {{0, palette::HotRed}, {0.6, palette::Red}, {1, palette::Red, 0}}));
    Fill(raster, Polygon{{{2, y + 5}, {200, y + 5}, {198, y + 6}, {2, y + 6}}},
         Horizontal(2, 200, {{0, palette::Red, 0.8f}, {1, palette::Red, 0}}));
}

void DrawWell(Raster& raster, const Box& box, Rgb fill, double radius)
{
    const RoundRect well = Rect(box, radius);
    Fill(raster, well, fill);
    // Sunk into the body: shade along the top inside, a faint light line below.
    Fill(raster, Intersection{well, Moved{Outline{well, 2.0}, 0, 1.5}}, palette::Ink, 0.55f);
    Fill(raster, Intersection{Outline{Moved{well, 0, 1}, 0.5}, RoundRect{0, well.bottom - 4, 640, well.bottom + 2, 0}},
         Hex(0x3A4150), 0.9f);
}

void DrawContent(Raster& raster, const Box& box)
{
    const RoundRect panel = Rect(box);
    Shadow(raster, panel, 0, 2, 6, palette::Ink, 0.9f);
    Fill(raster, Grown{panel, 1.0}, palette::Ink);
    Fill(raster, panel, palette::Paper);
}

void DrawFrame(Raster& raster, const FrameParts& parts)
{
    DrawBody(raster, parts);
    if (parts.buttonWell)
        DrawWell(raster, wz::ButtonWell, palette::Inset, 7);
    DrawWell(raster, parts.footer, palette::Footer, 7);
    DrawContent(raster, parts.content);
    // A crisp dark edge along the outline.
    Fill(raster, Outline{WizardOutline(), 0.8}, palette::Ink);
}

void DrawTitle(Raster& raster, std::string_view title, const Box& place, double capHeight)
{
    const TextStyle style{capHeight, capHeight * 0.16, 0.18, capHeight * 0.1};
    const double baseline = place.top + place.Height() / 2.0 + style.capHeight / 2;
    const TextLine line = RightAlignedText(title, place.right, baseline, style);
    Shadow(raster, line, 1, 1, 1, palette::Ink, 0.9f);
    Fill(raster, line, Vertical(baseline - style.capHeight, baseline, {{0, palette::Chrome}, {1, palette::Steel}}));
}

void DrawTagline(Raster& raster, const Box& footer)
{
    const TextStyle style{8, 1.35, 0.18, 1.2};
    const double baseline = footer.top + footer.Height() / 2.0 + style.capHeight / 2;
    const TextLine line("FULL-FEATURED INTERNET AND LAN ACCELERATION", footer.left + 14, baseline, style);
    Fill(raster, line, palette::Steel, 0.85f);
}

Raster WizardPicture(int width, const FrameParts& parts)
{
    Raster raster(Box{0, 0, width, wz::Height}, palette::Ink);
    DrawFrame(raster, parts);
    return raster;
}

constexpr FrameParts WizardParts{wz::Header.bottom - 2, true, wz::Content, wz::Footer};
constexpr FrameParts AdvancedParts{layout::advanced::Header.bottom - 2, false, layout::advanced::Content,
                                   layout::advanced::Footer};

}  // namespace

Raster MainWindowPicture()
{
    Raster raster = WizardPicture(wz::Width, WizardParts);
    DrawTagline(raster, Box{wz::Footer.left, wz::Footer.top, wz::FooterButtonsPlate.left, wz::Footer.bottom});
    return raster;
}

Raster LogoPicture()
{
    // The main window's header under the logo, so the picture sits on it seamlessly.
    Raster raster(wz::Logo, palette::Ink);
    DrawBody(raster, WizardParts);
    DrawLogo(raster, wz::Logo);
    return raster;
}

Raster AutomaticPagePicture()
{
    Raster raster = WizardPicture(wz::AutomaticWidth, WizardParts);
    DrawLogo(raster, wz::Logo);
    DrawTitle(raster, "AUTOMATIC TUNING", wz::PageTitle, 14);
    return raster;
}

Raster AdvancedPagePicture()
{
    namespace adv = layout::advanced;
    Raster raster = WizardPicture(adv::Width, AdvancedParts);
    DrawLogo(raster, adv::Logo);
    DrawTitle(raster, "ADVANCED SETTINGS", adv::PageTitle, 10);
    return raster;
}

}  // namespace vx::art
