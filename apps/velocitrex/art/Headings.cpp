// The headings of the Connection and Method panels: a numbered red badge, the
// step's name and a line that says what it is about, over a fading red rule.
#include <string>
#include <string_view>

#include "apps/velocitrex/art/Layout.h"
#include "apps/velocitrex/art/Painter.h"
#include "apps/velocitrex/art/Palette.h"
#include "apps/velocitrex/art/Pictures.h"
#include "apps/velocitrex/art/StrokeFont.h"

namespace vx::art {
namespace {

Raster Heading(std::string_view number, std::string_view title, std::string_view subtitle)
{
    const Box box = layout::panels::Heading;
    Raster raster(box, palette::Paper);
    const double cy = 30;
    const Circle badge{36, cy, 15};
    Shadow(raster, badge, 0, 1.5, 2, palette::Slate, 0.45f);
    Fill(raster, badge, Radial{32, cy - 6, 22, {{0, palette::HotRed}, {0.6, palette::Red}, {1, palette::DeepRed}}});
    const TextStyle digit{13, 2.6, 0.15, 0};
    Fill(raster, CentredText(number, 36.5, cy + 6.5, digit), palette::Chrome);

    const TextStyle titleStyle{15, 2.6, 0.16, 1.4};
    Fill(raster, TextLine(title, 63, cy + 2, titleStyle), palette::Charcoal);
    const TextStyle subtitleStyle{7, 1.25, 0.1, 1.1};
    Fill(raster, TextLine(subtitle, 64, cy + 16, subtitleStyle), palette::Slate);

    const double ruleY = box.bottom - 4;
    Fill(raster, RoundRect{20, ruleY, box.right - 20.0, ruleY + 2, 1},
         Horizontal(20, box.right - 20.0, {{0, palette::Red}, {0.35, palette::Rule}, {1, palette::Rule, 0}}));
    return raster;
}

}  // namespace

Raster ConnectionHeadingPicture()
{
    return Heading("1", "CONNECTION TYPE", "HOW DOES THIS PC REACH THE INTERNET?");
}

Raster MethodHeadingPicture()
{
    return Heading("2", "TUNING METHOD", "LET VELOCITREX CHOOSE, OR SET EVERY VALUE YOURSELF.");
}

}  // namespace vx::art
