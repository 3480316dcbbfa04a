// The About box: the graphite frame of the wizard in small, the speedometer
// emblem on the left and a quiet plate on the right where the four lines of
// text and the OK button go.
#include "apps/velocitrex/art/Logo.h"
#include "apps/velocitrex/art/Outlines.h"
#include "apps/velocitrex/art/Painter.h"
#include "apps/velocitrex/art/Palette.h"
#include "apps/velocitrex/art/Pictures.h"

namespace vx::art {

Raster AboutBoxPicture()
{
    namespace ab = layout::about;
    Raster raster(Box{0, 0, ab::Width, ab::Height}, palette::Ink);
    const RoundRect body = AboutBoxOutline();
    Fill(raster, body, Vertical(body.top, body.bottom, {{0, palette::FrameTop}, {1, palette::FrameBottom}}));
    Fill(raster, Outline{Grown{body, -1.5}, 0.6},
         Vertical(body.top, body.top + 50, {{0, palette::Rim}, {0.4, palette::Rim, 0.35f}, {1, palette::Rim, 0}}));

    // The word mark across the top, a speed line under it.
    DrawWordmark(raster, 24, 32, 14, true);
    Fill(raster, Polygon{{{5, 40}, {250, 40}, {245, 43}, {5, 43}}},
         Horizontal(5, 250, {{0, palette::HotRed}, {0.6, palette::Red}, {1, palette::Red, 0}}));

    const Box e = ab::Emblem;
    DrawGauge(raster, e.left + e.Width() / 2.0, e.top + e.Height() / 2.0 + 4, e.Width() / 2.0 - 2);

    // A faint rule under the text lines.
    const double ruleY = ab::Line(3).bottom + 6;
    Fill(raster, RoundRect{static_cast<double>(ab::Line(0).left), ruleY, ab::Line(0).right - 4.0, ruleY + 1, 0},
         Horizontal(ab::Line(0).left, ab::Line(0).right, {{0, palette::Steel, 0.6f}, {1, palette::Steel, 0}}));
    Fill(raster, Outline{body, 0.8}, palette::Ink);
    return raster;
}

}  // namespace vx::art
