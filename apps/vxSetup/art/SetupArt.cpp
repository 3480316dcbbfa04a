#include "apps/vxSetup/art/SetupArt.h"

#include <string_view>

#include "apps/velocitrex/art/Artwork.h"
#include "apps/velocitrex/art/Logo.h"
#include "apps/velocitrex/art/Painter.h"
#include "apps/velocitrex/art/Palette.h"
#include "apps/velocitrex/art/StrokeFont.h"

namespace vx::setup::art {
namespace {

using namespace vx::art;

// The backdrop's blue, RGB 0, 64, 128, deepening towards the foot.
constexpr Rgb kBackdropBlue{0, 64, 128};
constexpr Rgb kNight{4, 18, 44};

void SpeedStreaks(Raster& raster, double x, double y, double length, int count)
{
    for (int i = 0; i < count; ++i) {
        const double row = y + i * 5.0;
        const double reach = length * (1.0 - i * 0.18);
        Fill(raster, Capsule{{x, row}, {x + reach, row}, 1.1, 0.2},
             Horizontal(x, x + reach, {{0, palette::HotRed}, {1, palette::Chrome, 0.2f}}));
    }
}

// One advertisement: a symbol on the left of a dark tile, two words beside it.
Raster Ad(std::string_view top, std::string_view bottom, Rgb accent, int symbol)
{
    Raster raster(Box::Sized(0, 0, AdWidth, AdHeight), kNight);
    Fill(raster, RoundRect{0.5, 0.5, AdWidth - 0.5, AdHeight - 0.5, 6},
         Vertical(0, AdHeight, {{0, Mix(kBackdropBlue, palette::Chrome, 0.12f)}, {1, kNight}}));
    Fill(raster, Outline<RoundRect>{{0.5, 0.5, AdWidth - 0.5, AdHeight - 0.5, 6}, 0.5}, accent, 0.9f);
    const double cx = 22, cy = 30;
    switch (symbol) {
    case 0: DrawGauge(raster, cx, cy, 15); break;
    case 1:  // a round arrow: undo
        Fill(raster, ArcBand{cx, cy, 11, 2.2, -2.4, 2.6}, accent);
        Fill(raster, Polygon{{{cx - 16, cy - 9}, {cx - 5, cy - 10}, {cx - 11, cy - 1}}}, accent);
        break;
    default:  // a pointer on a button
        Fill(raster, Circle{cx, cy, 13}, Radial{cx - 4, cy - 5, 18, {{0, palette::Chrome}, {1, accent}}});
        Fill(raster, Polygon{{{cx - 2, cy - 4}, {cx + 9, cy + 5}, {cx + 4, cy + 5}, {cx + 6, cy + 11},
                               {cx + 3, cy + 12}, {cx + 1, cy + 6}, {cx - 2, cy + 9}}},
             palette::Charcoal);
        break;
    }
    const TextStyle style{8, 1.5, 0.12, 0.6};
    Fill(raster, TextLine(top, 42, 27, style), palette::Chrome);
    Fill(raster, TextLine(bottom, 42, 41, style), accent);
    return raster;
}

}  // namespace

Raster BannerPicture()
{
    Raster raster(Box::Sized(0, 0, BannerWidth, BannerHeight), kNight);
    Fill(raster, RoundRect{0, 0, double(BannerWidth), double(BannerHeight)},
         Vertical(0, BannerHeight, {{0, Mix(kBackdropBlue, palette::Chrome, 0.15f)}, {0.55, kBackdropBlue}, {1, kNight}}));
    // A bright edge towards the page.
    Fill(raster, RoundRect{BannerWidth - 2.0, 0, double(BannerWidth), double(BannerHeight)},
         Vertical(0, BannerHeight, {{0, palette::Chrome, 0.7f}, {1, palette::Chrome, 0.1f}}));
    DrawGauge(raster, BannerWidth / 2.0 - 1, 36, 21);
    // The name down the banner, one letter under another.
    const TextStyle letters{13, 2.4, 0, 0};
    const std::string_view name = "VELOCITREX";
    for (std::size_t i = 0; i < name.size(); ++i) {
        const double baseline = 86 + i * 19.0;
        const Rgb color = name[i] == 'X' ? palette::HotRed : palette::Chrome;
        Fill(raster, CentredText(name.substr(i, 1), BannerWidth / 2.0 - 1, baseline, letters), color);
    }
    SpeedStreaks(raster, 10, 292, 36, 3);
    return raster;
}

Raster LogoPicture()
{
    // On the pages' own colour, so the mark stands on the page rather than in a box.
    Raster raster(Box::Sized(0, 0, LogoWidth, LogoHeight), Rgb{236, 240, 246});
    DrawLogo(raster, Box::Sized(2, 2, LogoWidth - 4, LogoHeight - 4));
    return raster;
}

Raster AdPicture(int index)
{
    switch (index) {
    case 0: return Ad("FASTER", "WEB", palette::Ember, 0);
    case 1: return Ad("SAFE", "UNDO", palette::AquaBlue, 1);
    default: return Ad("ONE", "CLICK", palette::HotRed, 2);
    }
}

ui::Bitmap BannerBitmap() { return ToBitmap(BannerPicture()); }
ui::Bitmap LogoBitmap() { return ToBitmap(LogoPicture()); }
ui::Bitmap AdBitmap(int index) { return ToBitmap(AdPicture(index)); }

}  // namespace vx::setup::art

namespace vx::setup::art {

vx::setup::SetupPictures SetupPictures()
{
    vx::setup::SetupPictures pictures;
    pictures.banner = BannerBitmap();
    for (int i = 0; i < 3; ++i)
        pictures.ads[static_cast<size_t>(i)] = AdBitmap(i);
    pictures.logo = LogoBitmap();
    return pictures;
}

}  // namespace vx::setup::art
