// The round button's circle test, painting and pressing, and its glyph.
#include "tests/widgets/WidgetFixture.h"
#include "widgets/AHMRoundButton.h"

namespace vx::widgets {
namespace {

using ui::MouseButton;
using ui::Rgb;

TEST(GlyphGreying, ThresholdsOfTheChannelSum)
{
    const ui::Color highlight = ui::SysColor(ui::SystemColor::ButtonHighlight);
    const ui::Color shadow = ui::SysColor(ui::SystemColor::ButtonShadow);
    struct Case { ui::Color pixel; ui::Color expected; };
    const Case cases[] = {
        {Rgb(255, 255, 255), highlight}, {Rgb(183, 183, 183), highlight}, {Rgb(182, 183, 183), shadow},
        {Rgb(128, 128, 128), shadow},    {Rgb(37, 37, 37), shadow},       {Rgb(36, 37, 37), ui::clBlack},
        {Rgb(0, 0, 0), ui::clBlack},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GreyedPixel(c.pixel), c.expected) << std::hex << c.pixel;
}

TEST(Glyph, DesignTimeStripGetsCellsAndTransparentColour)
{
    struct Case { int width, height, cells, cellWidth; };
    for (const Case& c : {Case{64, 16, 4, 16}, {80, 16, 1, 80}, {32, 16, 2, 16}, {50, 16, 1, 50}}) {
        TAHMGlyph glyph;
        ui::Bitmap strip(c.width, c.height);
        strip.SetPixel(0, c.height - 1, ui::clFuchsia);
        glyph.SetBitmap(strip, true);
        EXPECT_EQ(glyph.NumGlyphs(), c.cells) << c.width;
        EXPECT_EQ(glyph.CellWidth(), c.cellWidth) << c.width;
        EXPECT_EQ(glyph.TransparentColor(), ui::clFuchsia);
    }
    TAHMGlyph glyph;
    glyph.SetBitmap(ui::Bitmap(64, 16));
    EXPECT_EQ(glyph.NumGlyphs(), 1);
    EXPECT_EQ(glyph.TransparentColor(), ui::clBlack);
    EXPECT_EQ(TAHMGlyph{}.CellWidth(), 0);
}

TEST(Glyph, CellByState)
{
    struct Case { int cells; bool enabled, pressed; int expected; };
    const Case cases[] = {{4, true, false, 1}, {4, true, true, 2}, {4, false, true, 4}, {2, true, true, 1},
                          {2, false, false, 2}, {3, true, true, 2}, {1, false, false, 1}};
    for (const Case& c : cases) {
        TAHMGlyph glyph;
        glyph.SetNumGlyphs(c.cells);
        EXPECT_EQ(glyph.CellFor(c.enabled, c.pressed), c.expected) << c.cells << c.enabled << c.pressed;
    }
}

class RoundButtonTest : public WidgetFixture {
protected:
    void SetUp() override
    {
        WidgetFixture::SetUp();
        button.SetBounds(10, 10, 19, 18);
        button.OnClick = [this] { ++clicks; };
    }
    ui::Point At(int x, int y) const { return {110 + x, 110 + y}; }

    TAHMRoundButton button{&form};
    int clicks = 0;
};

TEST_F(RoundButtonTest, InsideIsACircleOfRadiusHalfWidthLessOne)
{
    struct Case { int x, y; bool inside; };
    for (const Case& c : {Case{9, 9, true}, {0, 9, false}, {1, 9, true}, {17, 9, true}, {18, 9, false}, {9, 1, true},
                          {9, 0, false}, {2, 2, false}, {3, 3, true}})
        EXPECT_EQ(button.Inside(c.x, c.y), c.inside) << c.x << "," << c.y;
}

TEST_F(RoundButtonTest, BulletShowsTheBackgroundInsideABlackRing)
{
    TAHMBackground background;
    background.SetStyle(TAHMBackgroundStyle::bSolidcolor);
    background.SetColor(Rgb(30, 60, 200));
    button.SetBackground(&background);
    button.SetEnabled(false);
    const ui::Bitmap p = PaintAlone(button, Rgb(250, 250, 250));
    EXPECT_EQ(p.Pixel(9, 9), Rgb(30, 60, 200));
    EXPECT_EQ(p.Pixel(0, 8), ui::clBlack);
    EXPECT_EQ(p.Pixel(0, 0), Rgb(250, 250, 250));
    EXPECT_EQ(p.Pixel(18, 17), Rgb(250, 250, 250));
}

TEST_F(RoundButtonTest, DragOutAndBackTogglesTheSunkenRim)
{
    user.MoveTo(At(9, 9));
    user.Press(MouseButton::Left);
    EXPECT_TRUE(button.IsPressed());
    user.MoveTo(At(1, 1));
    EXPECT_FALSE(button.IsPressed());
    user.MoveTo(At(8, 8));
    EXPECT_TRUE(button.IsPressed());
    user.MoveTo(At(60, 60));
    EXPECT_FALSE(button.IsPressed());
    user.Release(MouseButton::Left);
    EXPECT_EQ(clicks, 0);
    user.Press(MouseButton::Left);
    user.MoveTo(At(9, 9));
    EXPECT_FALSE(button.IsPressed());  // the press began elsewhere
    user.Release(MouseButton::Left);
    EXPECT_EQ(clicks, 0);
}

TEST_F(RoundButtonTest, ReleaseInsideClicksAndRaisesTheRim)
{
    user.MoveTo(At(9, 9));
    user.Press(MouseButton::Left);
    user.Release(MouseButton::Left);
    EXPECT_FALSE(button.IsPressed());
    EXPECT_EQ(clicks, 1);
}

TEST_F(RoundButtonTest, RimColoursFollowThePress)
{
    const ui::Color highlight = ui::SysColor(ui::SystemColor::ButtonHighlight);
    const ui::Color shadow = ui::SysColor(ui::SystemColor::ButtonShadow);
    EXPECT_EQ(PaintAlone(button).Pixel(1, 8), highlight);
    EXPECT_EQ(PaintAlone(button).Pixel(16, 9), shadow);
    user.MoveTo(At(9, 9));
    user.Press(MouseButton::Left);
    EXPECT_EQ(PaintAlone(button).Pixel(1, 8), shadow);
    EXPECT_EQ(PaintAlone(button).Pixel(16, 9), highlight);
}

}  // namespace
}  // namespace vx::widgets
