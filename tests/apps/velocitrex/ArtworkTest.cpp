// The main program's pictures fit the places the windows give them, the window
// outlines keep the right controls in and out of reach, and the pieces that are
// laid over a window join it without a seam.
#include "apps/velocitrex/art/Artwork.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "apps/velocitrex/art/Layout.h"
#include "apps/velocitrex/art/Pictures.h"
#include "widgets/PlasmaRegion.h"

namespace vx::art {
namespace {

namespace wz = layout::wizard;
namespace adv = layout::advanced;
namespace ap = layout::apply;
namespace ab = layout::about;

ui::Rect ToRect(const Box& b)
{
    return {b.left, b.top, b.right, b.bottom};
}

bool Covers(const ui::Region& region, const Box& box)
{
    const ui::Region part = ui::Region::FromRect(ToRect(box));
    return ui::Region::Combine(region, part, ui::RegionOp::And) == part;
}

bool Touches(const ui::Region& region, const Box& box)
{
    return !ui::Region::Combine(region, ui::Region::FromRect(ToRect(box)), ui::RegionOp::And).IsEmpty();
}

bool SamePixels(const Raster& a, const Raster& b)
{
    return a.Area() == b.Area() && a.Pixels() == b.Pixels();
}

TEST(Artwork, PicturesHaveTheSizesOfTheirPlaces)
{
    const struct {
        const char* name;
        std::function<Raster()> draw;
        Box area;
    } cases[] = {
        {"main window", MainWindowPicture, {0, 0, 633, 452}},
        {"automatic page", AutomaticPagePicture, {0, 0, 634, 452}},
        {"advanced page", AdvancedPagePicture, {0, 0, 635, 452}},
        {"logo", LogoPicture, wz::Logo},
        {"start panel", StartPanelPicture, {0, 0, 457, 273}},
        {"connection heading", ConnectionHeadingPicture, {0, 0, 457, 64}},
        {"method heading", MethodHeadingPicture, {0, 0, 457, 64}},
        {"apply screen", ApplyScreenPicture, {0, 0, 339, 203}},
        {"bar left end", BarLeftPicture, Box::Sized(38, 93, 25, 7)},
        {"bar segment", BarSegmentPicture, Box::Sized(63, 93, 25, 7)},
        {"bar right end", BarCapPicture, Box::Sized(40, 93, 36, 7)},
        {"about box", AboutBoxPicture, {0, 0, 339, 203}},
        {"icon 16", [] { return IconPicture(16); }, {0, 0, 16, 16}},
        {"icon 32", [] { return IconPicture(32); }, {0, 0, 32, 32}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.draw().Area(), c.area);
    }
    EXPECT_EQ(wz::Content.Width(), 457);
    EXPECT_EQ(wz::Content.Height(), 273);
}

TEST(Artwork, OutlinesKeepReachableControlsInAndTheOthersOut)
{
    struct Case {
        const char* window;
        ui::Region region;
        Box visible;
        std::vector<Box> reachable;
        std::vector<Box> unreachable;
    };
    const Case cases[] = {
        {"wizard",
         WizardRegion(),
         wz::Visible,
         {wz::Logo, wz::OtherProducts, wz::Exit, wz::VelocitrexButton, wz::UpdateButton, wz::HelpButton,
          wz::CloseButton, wz::Content, wz::CancelButton, wz::VelocitrexMeButton, adv::Logo, adv::HelpButton,
          adv::Exit, adv::Content, adv::CancelButton, adv::VelocitrexMeButton, adv::Notes},
         {wz::Offstage, wz::MinimizeButton, wz::HiddenApplyButton, wz::SecondSurfacePanel}},
        {"apply screen",
         ApplyScreenRegion(),
         ap::Visible,
         {ap::Track, ap::ProgressText, ap::RebootNow, ap::RebootLater, ap::WebAddress, ap::BarCap(ap::CapEnd),
          Box::Sized(55, 112, 223, 14), Box::Sized(96, 127, 140, 14), Box::Sized(40, 148, 120, 25)},
         {}},
        {"about box",
         AboutBoxRegion(),
         ab::Visible,
         {ab::Emblem, ab::Line(0), ab::Line(3), ab::OkButton},
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.window);
        EXPECT_EQ(c.region.Bounds(), ToRect(c.visible));
        for (const Box& box : c.reachable)
            EXPECT_TRUE(Covers(c.region, box)) << box.left << "," << box.top;
        for (const Box& box : c.unreachable)
            EXPECT_FALSE(Touches(c.region, box)) << box.left << "," << box.top;
    }
    // Clicks at x >= 578 reach whatever lies behind the main window.
    EXPECT_FALSE(WizardRegion().Contains({578, 200}));
    EXPECT_TRUE(WizardRegion().Contains({577, 200}));
}

TEST(Artwork, MaskDataLoadsAsTheSameOutline)
{
    for (const ui::Region& region : {WizardRegion(), ApplyScreenRegion(), AboutBoxRegion()}) {
        const std::vector<std::uint8_t> data = MaskData(region);
        widgets::TPlasmaRegion mask;
        EXPECT_EQ(mask.LoadData(data), data.size());
        ASSERT_TRUE(mask.Region().has_value());
        EXPECT_EQ(*mask.Region(), region);
        EXPECT_EQ(mask.SaveData(), data);
    }
}

TEST(Artwork, LogoPictureIsThePageFramesOwnPixels)
{
    // The automatic page draws the same logo on the same header; the logo control
    // of the main window must show exactly those pixels.
    EXPECT_TRUE(SamePixels(LogoPicture(), AutomaticPagePicture().Crop(wz::Logo)));
}

TEST(Artwork, BarPiecesFitEveryPlaceTheyAreShownAt)
{
    // The track under the pieces looks the same at every place, so one segment
    // picture serves imgRed2 to imgRed9 and the moving end shows no seam.
    const Raster window = ApplyScreenPicture();
    const Raster firstSegment = window.Crop(ap::BarSegment(2));
    for (int n = 3; n <= 9; ++n)
        EXPECT_EQ(window.Crop(ap::BarSegment(n)).Pixels(), firstSegment.Pixels()) << "segment " << n;
    const Raster firstCap = window.Crop(ap::BarCap(ap::CapStart));
    for (int x = ap::CapStart + 5; x <= ap::CapEnd; x += 5)
        EXPECT_EQ(window.Crop(ap::BarCap(x)).Pixels(), firstCap.Pixels()) << "right end at " << x;

    // A segment is the same in every column, so neighbours join.
    const Raster segment = BarSegmentPicture();
    for (int x = segment.Area().left + 1; x < segment.Area().right; ++x)
        for (int y = segment.Area().top; y < segment.Area().bottom; ++y)
            ASSERT_EQ(segment.Crop(Box{x, y, x + 1, y + 1}).Pixels(),
                      segment.Crop(Box{segment.Area().left, y, segment.Area().left + 1, y + 1}).Pixels());
    // And it differs from the empty track it covers.
    EXPECT_NE(segment.Pixels(), firstSegment.Pixels());
}

TEST(Artwork, ComponentsThatPaintTheirCornersSitOnTheirOwnColour)
{
    // Push buttons fill their corners with the window's colour and glossy buttons
    // with the colour beneath them: the picture must be that colour there.
    struct Case {
        const char* what;
        ui::Bitmap picture;
        ui::Color color;
        std::vector<Box> places;
    };
    const Case cases[] = {
        {"left column", MainWindowBitmap(), WizardColor,
         {wz::VelocitrexButton, wz::UpdateButton, wz::HelpButton, wz::CloseButton}},
        {"main header", MainWindowBitmap(), HeaderColor, {wz::OtherProducts}},
        {"automatic footer", AutomaticPageBitmap(), FooterColor, {wz::CancelButton, wz::VelocitrexMeButton}},
        {"advanced header", AdvancedPageBitmap(), HeaderColor, {adv::HelpButton}},
        {"advanced footer", AdvancedPageBitmap(), FooterColor, {adv::CancelButton, adv::VelocitrexMeButton}},
        {"apply screen", ApplyScreenBitmap(), ui::Rgb(191, 0, 0),
         {ap::RebootNow, ap::RebootLater, Box::Sized(40, 148, 120, 25)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const Box& place : c.places)
            for (int y = place.top; y < place.bottom; ++y)
                for (int x = place.left; x < place.right; ++x)
                    ASSERT_EQ(c.picture.Pixel(x, y), c.color) << x << "," << y;
    }
}

TEST(Artwork, TrayIconIsTransparentWhereItsKeyColourIs)
{
    const ui::Bitmap icon = TrayIconBitmap();
    ASSERT_EQ(icon.GetSize(), (ui::Size{16, 16}));
    EXPECT_EQ(icon.Pixel(0, 15), TrayIconKey);  // the component takes the bottom-left colour as transparent
    EXPECT_EQ(icon.Pixel(0, 0), TrayIconKey);
    EXPECT_NE(icon.Pixel(8, 8), TrayIconKey);
    EXPECT_NE(icon.Pixel(8, 1), TrayIconKey);
}

}  // namespace
}  // namespace vx::art
