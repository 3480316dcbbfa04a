// The apply screen: a red window with the word mark, a dark track for the
// progress bar, and room for the progress text and the two buttons; and the bar's
// pieces, which are drawn over their own place on that track so they join it
// without a seam.
#include "apps/velocitrex/art/Logo.h"
#include "apps/velocitrex/art/Outlines.h"
#include "apps/velocitrex/art/Painter.h"
#include "apps/velocitrex/art/Palette.h"
#include "apps/velocitrex/art/Pictures.h"

namespace vx::art {
namespace {

namespace ap = layout::apply;

RoundRect TrackShape()
{
    return {static_cast<double>(ap::Track.left), static_cast<double>(ap::Track.top), static_cast<double>(ap::Track.right),
            static_cast<double>(ap::Track.bottom), ap::Track.Height() / 2.0};
}

void DrawTrack(Raster& raster)
{
    const RoundRect track = TrackShape();
    Fill(raster, Moved{track, 0, 1}, Hex(0xFF6A5A), 0.35f);  // lit lower lip
    Fill(raster, track, Hex(0x240000));
    Fill(raster, Intersection{track, Moved{Outline{track, 1.6}, 0, 1.2}}, Hex(0x0A0000), 0.8f);
}

void DrawBody(Raster& raster)
{
    const RoundRect body = ApplyScreenOutline();
    // Bright at the top, the window's own red (191, 0, 0) from the bar down: the
    // push buttons paint their corners in that colour, so it must be flat there.
    Fill(raster, body, palette::Red);
    Fill(raster, body, Radial{169, 30, 190, {{0, Hex(0xE8281C)}, {0.45, Hex(0xD00A06), 0.6f}, {1, palette::Red, 0}}, 0.5});
    Fill(raster, Intersection{body, Outline{body, 9.0}}, Radial{169, 101, 240, {{0.55, Hex(0x6E0000), 0}, {1, Hex(0x6E0000), 0.8f}}, 0.55});
    Fill(raster, Outline{Grown{body, -1.5}, 0.6},
         Vertical(body.top, body.top + 50, {{0, Hex(0xFF9C8C)}, {0.4, Hex(0xFF9C8C), 0.3f}, {1, Hex(0xFF9C8C), 0}}));
    DrawTrack(raster);
}

// The bar as it lies over the track: a glossy red band, bounded by shape.
template <class Shape>
void DrawBar(Raster& raster, const Shape& shape)
{
    const double top = ap::BarTop, bottom = ap::BarTop + ap::BarHeight;
    Fill(raster, shape,
         Vertical(top, bottom, {{0, Hex(0xFFC2B0)}, {0.3, Hex(0xFF4A2E)}, {0.62, Hex(0xE01200)}, {1, Hex(0x8E0000)}}));
}

Raster Piece(const Box& box)
{
    Raster raster(box, palette::Ink);
    DrawBody(raster);
    return raster;
}

}  // namespace

Raster ApplyScreenPicture()
{
    Raster raster(Box{0, 0, ap::Width, ap::Height}, palette::Ink);
    DrawBody(raster);
    const double capHeight = 19;
    DrawWordmark(raster, (ap::Width - WordmarkWidth(capHeight)) / 2, 42, capHeight, false);
    const TextStyle subtitle{7, 1.3, 0.15, 1.6};
    Fill(raster, CentredText("ACCELERATING YOUR SYSTEM", ap::Width / 2.0, 64, subtitle), Hex(0xFFD2CA));
    // A faint line above the maker's address.
    Fill(raster, RoundRect{40, 177, ap::Width - 40.0, 178, 0},
         Horizontal(40, ap::Width - 40.0, {{0, Hex(0xFF9C8C), 0}, {0.5, Hex(0xFF9C8C), 0.45f}, {1, Hex(0xFF9C8C), 0}}));
    Fill(raster, Outline{ApplyScreenOutline(), 0.8}, palette::Ink);
    return raster;
}

Raster BarLeftPicture()
{
    Raster raster = Piece(ap::BarLeft);
    DrawBar(raster, RoundRect{static_cast<double>(ap::BarLeft.left), static_cast<double>(ap::BarTop),
                              ap::BarLeft.right + 4.0, static_cast<double>(ap::BarTop + ap::BarHeight), ap::BarHeight / 2.0});
    return raster;
}

Raster BarSegmentPicture()
{
    const Box box = ap::BarSegment(2);
    Raster raster = Piece(box);
    DrawBar(raster, RoundRect{box.left - 1.0, static_cast<double>(box.top), box.right + 1.0, static_cast<double>(box.bottom), 0});
    return raster;
}

Raster BarCapPicture()
{
    const Box box = ap::BarCap(ap::CapStart);
    Raster raster = Piece(box);
    const RoundRect head{box.left - 4.0, static_cast<double>(box.top), static_cast<double>(box.right),
                         static_cast<double>(box.bottom), ap::BarHeight / 2.0};
    DrawBar(raster, head);
    // The leading end glows.
    Fill(raster, head, Radial{box.right - 6.0, box.top + 2.5, 9, {{0, Hex(0xFFF4D8), 0.95f}, {0.5, Hex(0xFFB070), 0.5f}, {1, palette::HotRed, 0}}, 0.6});
    return raster;
}

}  // namespace vx::art
