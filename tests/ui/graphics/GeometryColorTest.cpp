// Rectangles, colours, system colours and font sizes.
#include <gtest/gtest.h>

#include "platform/CurrentService.h"
#include "ui/Color.h"
#include "ui/Font.h"
#include "ui/Geometry.h"

namespace vx::ui {
namespace {

TEST(Geometry, RectangleEdgesAreExclusive)
{
    const Rect r{0, 0, 10, 5};
    EXPECT_EQ(r.Width(), 10);
    EXPECT_EQ(r.Height(), 5);
    EXPECT_TRUE(r.Contains({9, 4}));
    EXPECT_FALSE(r.Contains({10, 4}));
    EXPECT_FALSE(r.Contains({9, 5}));
    EXPECT_TRUE((Rect{3, 3, 3, 8}).IsEmpty());
    EXPECT_EQ(r.Offsetted(2, 3), (Rect{2, 3, 12, 8}));
    EXPECT_EQ(r.Inflated(-2, -1), (Rect{2, 1, 8, 4}));
    EXPECT_EQ(r.Intersect({5, 2, 20, 20}), (Rect{5, 2, 10, 5}));
    EXPECT_EQ(r.Intersect({10, 0, 20, 5}), Rect{});
    EXPECT_FALSE(r.Intersects({10, 0, 20, 5}));
    EXPECT_EQ(Rect::Bounds(4, 5, 10, 20), (Rect{4, 5, 14, 25}));
}

TEST(Colors, ColorrefLayoutAndSystemColours)
{
    EXPECT_EQ(Rgb(0x12, 0x34, 0x56), 0x00563412u);
    EXPECT_EQ(RedOf(Rgb(1, 2, 3)), 1);
    EXPECT_EQ(GreenOf(Rgb(1, 2, 3)), 2);
    EXPECT_EQ(BlueOf(Rgb(1, 2, 3)), 3);
    EXPECT_EQ(Rgb(128, 128, 128), 8421504u);  // the shaped button's default grey
    EXPECT_EQ(Rgb(160, 183, 241), 15841184u);
    EXPECT_EQ(SysColor(SystemColor::ButtonFace), Rgb(192, 192, 192));
    EXPECT_EQ(SysColor(SystemColor::ButtonShadow), Rgb(128, 128, 128));
    EXPECT_EQ(SysColor(SystemColor::ButtonHighlight), clWhite);
    EXPECT_EQ(SysColor(SystemColor::InfoBackground), Rgb(255, 255, 225));
    EXPECT_EQ(ColorToRgb(clBtnShadow), Rgb(128, 128, 128));
    EXPECT_EQ(ColorToRgb(clRed), clRed);
}

struct AllGreen : SystemColors {
    Color Get(SystemColor) const override { return clLime; }
};

TEST(Colors, AnInstalledSourceReplacesTheHostValues)
{
    AllGreen green;
    {
        platform::ScopedService<SystemColors> scope(green);
        EXPECT_EQ(SysColor(SystemColor::ButtonFace), clLime);
        EXPECT_EQ(ColorToRgb(clBtnFace), clLime);
    }
    EXPECT_EQ(ColorToRgb(clBtnFace), HostSysColor(SystemColor::ButtonFace));
}

TEST(Fonts, PointsAndPixelsAt96Dpi)
{
    Font f;
    EXPECT_EQ(f.height, -11);
    EXPECT_EQ(f.Size(), 8);
    f.SetSize(10);
    EXPECT_EQ(f.height, -13);
    EXPECT_EQ(f.PixelHeight(), 13);
    EXPECT_EQ(MulDiv(7, 3, 2), 11);   // 10.5 rounds away from zero
    EXPECT_EQ(MulDiv(-7, 3, 2), -11);
    EXPECT_EQ(MulDiv(1, 1, 0), -1);
}

}  // namespace
}  // namespace vx::ui
