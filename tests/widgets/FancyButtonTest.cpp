// The fancy button's corrections, bevel rings and pressing.
#include "tests/widgets/WidgetFixture.h"
#include "widgets/ColorShading.h"
#include "widgets/DsFancyButton.h"

namespace vx::widgets {
namespace {

using ui::MouseButton;

class FancyButtonTest : public WidgetFixture {
protected:
    void SetUp() override
    {
        WidgetFixture::SetUp();
        button.SetBounds(20, 20, 78, 46);
        button.OnClick = [this] { ++clicks; };
    }
    ui::Point At(int x, int y) const { return {100 + 20 + x, 100 + 20 + y}; }

    TDsFancyButton button{&form};
    int clicks = 0;
};

TEST_F(FancyButtonTest, FrameWidthAndCornerRadiusAreCorrected)
{
    struct Case { int value, frameWidth, cornerRadius; };
    for (const Case& c : {Case{3, 4, 3}, {1, 4, 3}, {15, 15, 15}, {23, 23, 23}, {40, 23, 40}, {60, 23, 46}}) {
        button.SetFrameWidth(c.value);
        button.SetCornerRadius(c.value);
        EXPECT_EQ(button.FrameWidth(), c.frameWidth) << c.value;
        EXPECT_EQ(button.CornerRadius(), c.cornerRadius) << c.value;
    }
}

TEST_F(FancyButtonTest, OddFrameWidthDrawsOneRingMoreFromFrameToButtonColour)
{
    EXPECT_EQ(button.RingCount(), 16);
    const ui::Bitmap p = PaintAlone(button);
    for (int ring = 0; ring < 16; ++ring)
        EXPECT_EQ(p.Pixel(ring + 1, 23), BevelRingColor(ui::clBlack, ui::Rgb(128, 128, 128), ring, 16)) << ring;
    EXPECT_EQ(p.Pixel(1, 23), ui::clBlack);
    EXPECT_EQ(p.Pixel(9, 23), ui::Rgb(111, 111, 111));
    EXPECT_EQ(p.Pixel(39, 23), ui::Rgb(128, 128, 128));
}

TEST_F(FancyButtonTest, OutlineShowsThePressedLook)
{
    button.SetShape(TFShape::shOval);
    const ui::Bitmap released = PaintAlone(button);
    EXPECT_EQ(released.Pixel(0, 22), ui::SysColor(ui::SystemColor::ButtonShadow));
    user.Press(button, MouseButton::Left, ui::Point{39, 23});
    EXPECT_TRUE(button.IsPressed());
    EXPECT_EQ(PaintAlone(button).Pixel(0, 22), ui::clBlack);
}

TEST_F(FancyButtonTest, SidesAbove145AreCutAfterPainting)
{
    button.SetBounds(0, 0, 200, 100);
    PaintAlone(button);
    EXPECT_EQ(button.Width(), 145);
    EXPECT_EQ(button.Height(), 100);
}

TEST_F(FancyButtonTest, PressInsideShowsPressedAndReleaseClicks)
{
    user.MoveTo(At(39, 23));
    user.Press(MouseButton::Left);
    EXPECT_TRUE(button.IsPressed());
    user.Release(MouseButton::Left);
    EXPECT_FALSE(button.IsPressed());
    EXPECT_EQ(clicks, 1);
}

TEST_F(FancyButtonTest, PressOutsideTheOvalNeitherPressesNorClicks)
{
    button.SetShape(TFShape::shOval);
    user.MoveTo(At(2, 2));
    user.Press(MouseButton::Left);
    EXPECT_FALSE(button.IsPressed());
    user.Release(MouseButton::Left);
    EXPECT_FALSE(button.IsPressed());
    EXPECT_EQ(clicks, 0);
}

TEST_F(FancyButtonTest, ReleaseOutsideTheButtonUnpressesWithoutClick)
{
    user.MoveTo(At(39, 23));
    user.Press(MouseButton::Left);
    user.MoveTo(At(200, 100));
    user.Release(MouseButton::Left);
    EXPECT_FALSE(button.IsPressed());
    EXPECT_EQ(clicks, 0);
}

TEST_F(FancyButtonTest, RightButtonNeverPresses)
{
    user.MoveTo(At(39, 23));
    user.Press(MouseButton::Right);
    EXPECT_FALSE(button.IsPressed());
    user.Release(MouseButton::Right);
    EXPECT_EQ(clicks, 0);
}

TEST_F(FancyButtonTest, AcceleratorClicksOnlyWhenEnabled)
{
    button.SetCaption("&Quit");
    EXPECT_TRUE(form.DispatchDialogChar('q'));
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(form.DispatchDialogChar('x'));
    button.SetEnabled(false);
    EXPECT_FALSE(form.DispatchDialogChar('q'));
    EXPECT_EQ(clicks, 1);
}

}  // namespace
}  // namespace vx::widgets
