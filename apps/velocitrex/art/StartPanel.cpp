// The Start panel: what the main window shows first. A speedometer at full
// speed on the right, the promise on the left and a pointer to the button that
// starts the wizard.
#include "apps/velocitrex/art/Logo.h"
#include "apps/velocitrex/art/Painter.h"
#include "apps/velocitrex/art/Palette.h"
#include "apps/velocitrex/art/Pictures.h"

namespace vx::art {
namespace {

constexpr int Width = 457;
constexpr int Height = 273;

void DrawBackground(Raster& raster)
{
    Fill(raster, RoundRect{0, 0, Width, Height, 0},
         Linear{0, 0, Width, Height, {{0, palette::Paper}, {0.55, Hex(0xF6F8FB)}, {1, palette::PaperShade}}});
    // Speed streaks running out of the gauge to the left.
    const struct {
        double y, from, to, thick;
    } streaks[] = {{70, 200, 320, 1.0}, {96, 236, 304, 1.6}, {150, 210, 300, 1.2}, {176, 250, 310, 1.0}};
    for (const auto& s : streaks)
        Fill(raster, Capsule{{s.to, s.y}, {s.from, s.y}, s.thick, 0.3},
             Horizontal(s.from, s.to, {{0, palette::Rule, 0}, {1, palette::Rule}}));
}

void DrawMessage(Raster& raster)
{
    const double left = 26;
    const TextStyle headline{22, 4.0, 0.2, 0.6};
    Fill(raster, TextLine("ACCELERATE", left, 66, headline), palette::Charcoal);
    const TextStyle subline{10, 1.9, 0.2, 1.0};
    Fill(raster, TextLine("YOUR INTERNET CONNECTION", left + 1, 88, subline), palette::Red);
    const TextStyle body{7, 1.3, 0.12, 1.1};
    const char* lines[] = {"TUNES THE TCP/IP SETTINGS OF", "WINDOWS FOR YOUR CONNECTION:", "MODEM, CABLE, DSL OR LAN."};
    for (int i = 0; i < 3; ++i)
        Fill(raster, TextLine(lines[i], left + 1, 126 + 17 * i, body), palette::Slate);
}

void DrawPrompt(Raster& raster)
{
    // A tab along the bottom edge that points left, toward "Velocitrex!".
    const double top = 216, bottom = 244, right = 318;
    const Polygon tab{{{0, top}, {right, top}, {right - 10, bottom}, {0, bottom}}};
    Fill(raster, tab, Horizontal(0, right, {{0, palette::Red}, {0.75, palette::HotRed}, {1, palette::Ember}}));
    const Polygon arrow{{{10, (top + bottom) / 2}, {22, top + 7}, {22, bottom - 7}}};
    Fill(raster, arrow, palette::Chrome);
    const TextStyle style{8.5, 1.7, 0.2, 1.1};
    Fill(raster, TextLine("PRESS VELOCITREX! TO BEGIN", 32, (top + bottom) / 2 + 4.25, style), palette::Chrome);
}

}  // namespace

Raster StartPanelPicture()
{
    Raster raster(Box{0, 0, Width, Height}, palette::Paper);
    DrawBackground(raster);
    DrawGauge(raster, 374, 112, 74);
    DrawMessage(raster);
    DrawPrompt(raster);
    return raster;
}

}  // namespace vx::art
