// The shaded push button's colours by state and its drawing.
#include "tests/widgets/WidgetFixture.h"
#include "widgets/NvOS8PushButton.h"

namespace vx::widgets {
namespace {

using ui::Rgb;

TEST(PushButtonColors, ByStateFromTheRamp)
{
    const ShadeRamp black = MakeShadeRamp(ui::clBlack);
    struct Case { bool enabled, pressed; ui::Color outline, face, text, tlOuter, brOuter; bool bevel; };
    const Case cases[] = {
        {true, false, Rgb(0, 0, 0), Rgb(102, 102, 102), ui::clWhite, Rgb(102, 102, 102), Rgb(0, 0, 0), true},
        {true, true, Rgb(0, 0, 0), Rgb(0, 0, 0), Rgb(136, 136, 136), Rgb(0, 0, 0), Rgb(17, 17, 17), true},
        {false, false, Rgb(17, 17, 17), Rgb(102, 102, 102), Rgb(17, 17, 17), Rgb(17, 17, 17), Rgb(17, 17, 17), false},
    };
    for (const Case& c : cases) {
        const PushButtonColors k = PushButtonColorsFor(black, c.enabled, c.pressed, ui::clWhite);
        EXPECT_EQ(k.outline, c.outline);
        EXPECT_EQ(k.face, c.face);
        EXPECT_EQ(k.text, c.text);
        EXPECT_EQ(k.tlOuter, c.tlOuter);
        EXPECT_EQ(k.brOuter, c.brOuter);
        EXPECT_EQ(k.bevel, c.bevel);
    }
}

class PushButtonTest : public WidgetFixture {
protected:
    ui::Bitmap Paint()
    {
        ui::Bitmap p(button.Width(), button.Height());
        button.PaintButton(p.GetCanvas());
        return p;
    }
    TNvOS8PushButton button{&form};
};

TEST_F(PushButtonTest, DefaultsAndBaseColourRecomputesTheRamp)
{
    EXPECT_EQ(button.Width(), 64);
    EXPECT_EQ(button.Height(), 26);
    EXPECT_TRUE(button.GetFont().bold);
    EXPECT_EQ(button.Shades()[0], ui::clBlack);
    EXPECT_EQ(button.Shades()[15], ui::clWhite);
    button.SetBaseColor(Rgb(200, 40, 40));
    EXPECT_EQ(button.Shades()[15], Rgb(255, 176, 176));
}

// Face at its middle, the bevel columns and rows, and the ring corner.
TEST_F(PushButtonTest, DrawsFaceBevelAndOnlyTheDefaultRing)
{
    button.SetBaseColor(ui::clBlack);
    const ShadeRamp& s = button.Shades();
    const ui::Color parent = ui::SysColor(ui::SystemColor::ButtonFace);
    ui::Bitmap p = Paint();
    // Face (3, 3)-(61, 23): outline, then the bevel at l+1, l+2 and b-2, b-3.
    EXPECT_EQ(p.Pixel(32, 12), s[13]);
    EXPECT_EQ(p.Pixel(3, 12), s[0]);
    EXPECT_EQ(p.Pixel(4, 12), s[13]);
    EXPECT_EQ(p.Pixel(5, 12), s[15]);
    EXPECT_EQ(p.Pixel(32, 21), s[7]);
    EXPECT_EQ(p.Pixel(32, 20), s[10]);
    EXPECT_EQ(p.Pixel(0, 12), parent);
    EXPECT_EQ(p.Pixel(3, 0), parent);

    button.SetDefault(true);
    p = Paint();
    EXPECT_EQ(p.Pixel(3, 0), s[0]);
    EXPECT_EQ(p.Pixel(0, 12), s[0]);
    EXPECT_EQ(p.Pixel(1, 12), s[13]);
    EXPECT_EQ(p.Pixel(0, 0), parent);  // the cut corner
}

TEST_F(PushButtonTest, PressedAndDisabledLooks)
{
    button.SetBaseColor(ui::clBlack);
    const ShadeRamp& s = button.Shades();
    button.NativePressed(true);
    ui::Bitmap p = Paint();
    EXPECT_EQ(p.Pixel(32, 12), s[6]);
    EXPECT_EQ(p.Pixel(4, 12), s[4]);
    EXPECT_EQ(p.Pixel(32, 21), s[8]);
    button.NativePressed(false);
    button.SetEnabled(false);
    p = Paint();
    EXPECT_EQ(p.Pixel(3, 12), s[8]);
    EXPECT_EQ(p.Pixel(4, 12), s[13]);  // no bevel
    EXPECT_EQ(p.Pixel(32, 21), s[13]);
}

}  // namespace
}  // namespace vx::widgets
