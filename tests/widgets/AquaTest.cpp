// The aqua button's body colour, gloss layers, caption and mouse states.
#include "tests/widgets/WidgetFixture.h"
#include "widgets/ColorShading.h"
#include "widgets/JLAqua.h"

namespace vx::widgets {
namespace {

using ui::MouseButton;
using ui::Rgb;

int CountColour(const ui::Bitmap& p, ui::Color c)
{
    int n = 0;
    for (int y = 0; y < p.Height(); ++y)
        for (int x = 0; x < p.Width(); ++x)
            n += p.Pixel(x, y) == c;
    return n;
}

class AquaTest : public WidgetFixture {
protected:
    void SetUp() override
    {
        WidgetFixture::SetUp();
        button.SetBounds(20, 20, 75, 25);
        button.OnClick = [this] { ++clicks; };
    }
    ui::Point At(int x, int y) const { return {120 + x, 120 + y}; }

    TJLAqua button{&form};
    int clicks = 0;
};

TEST_F(AquaTest, BodyColourFromButtonCustomAndHover)
{
    const ui::Color bg = Rgb(10, 120, 200);
    struct Case { ui::Color buttonColor; TJLCustomColor custom; ui::Color expected; };
    const Case cases[] = {
        {ui::clBlue, TJLCustomColor::ccNone, Rgb(0, 0, 217)},
        {ui::clYellow, TJLCustomColor::ccNone, Rgb(217, 217, 0)},
        {Rgb(160, 183, 241), TJLCustomColor::ccNone, Rgb(160, 183, 241)},
        {Rgb(1, 2, 3), TJLCustomColor::ccOrange, Rgb(246, 187, 26)},
        {ui::clBlue, TJLCustomColor::ccBrown, Rgb(146, 89, 7)},
    };
    for (const Case& c : cases) {
        button.SetButtonColor(c.buttonColor);
        button.SetCustomColor(c.custom);
        EXPECT_EQ(button.BodyColor(bg), c.expected);
    }
    button.SetEnabled(false);
    EXPECT_EQ(button.BodyColor(bg), bg);
}

TEST_F(AquaTest, LayersOfTheGloss)
{
    const ui::Bitmap p = PaintAlone(button, ui::clWhite);
    const ui::Color V = Rgb(0, 0, 217);
    EXPECT_EQ(p.Pixel(37, 10), V);
    EXPECT_EQ(p.Pixel(37, 5), Shade(V, 9));
    EXPECT_EQ(p.Pixel(37, 3), Shade(V, 8));
    EXPECT_EQ(p.Pixel(37, 16), Shade(V, 9));
    EXPECT_EQ(p.Pixel(0, 0), ui::clWhite);
}

TEST_F(AquaTest, HoverLightensUnlessTheCaptionFollowsTheMouse)
{
    user.MoveTo(At(37, 12));
    EXPECT_EQ(button.State(), AquaState::Hover);
    EXPECT_EQ(PaintAlone(button).Pixel(37, 10), Shade(Rgb(0, 0, 217), 9));
    button.SetCaptionMouseOver(true);
    EXPECT_EQ(PaintAlone(button).Pixel(37, 10), Rgb(0, 0, 217));
    user.MoveTo(At(300, 200));
    EXPECT_EQ(button.State(), AquaState::Normal);
}

TEST_F(AquaTest, CaptionMouseOverShowsTheCaptionOnlyUnderTheMouse)
{
    button.SetCaption("Next");
    button.SetFontColor(ui::clRed);
    EXPECT_GT(CountColour(PaintAlone(button), ui::clRed), 10);
    button.SetCaptionMouseOver(true);
    EXPECT_EQ(CountColour(PaintAlone(button), ui::clRed), 0);
    user.MoveTo(At(37, 12));
    EXPECT_GT(CountColour(PaintAlone(button), ui::clRed), 10);
}

TEST_F(AquaTest, DisabledIsDrawnInTheBackgroundWithADarkerCaption)
{
    const ui::Color bg = Rgb(200, 100, 40);
    button.SetCaption("Next");
    button.SetEnabled(false);
    const ui::Bitmap p = PaintAlone(button, bg);
    EXPECT_EQ(p.Pixel(37, 10), bg);
    EXPECT_GT(CountColour(p, Shade(bg, 0)), 10);
}

TEST_F(AquaTest, ClickFiresWhereverTheLeftButtonIsReleased)
{
    struct Case { const char* what; ui::Point press, release; };
    button.SetButtonShape(TJLAquaType::bsOrb);
    const Case cases[] = {
        {"inside", {37, 12}, {37, 12}},
        {"released outside the shape", {37, 12}, {1, 1}},
        {"pressed in the orb's corner", {1, 1}, {37, 12}},
    };
    for (const Case& c : cases) {
        clicks = 0;
        user.MoveTo(At(c.press.x, c.press.y));
        user.Press(MouseButton::Left);
        EXPECT_EQ(button.State(), button.Hits(c.press) ? AquaState::Pressed : AquaState::Normal) << c.what;
        user.MoveTo(At(c.release.x, c.release.y));
        user.Release(MouseButton::Left);
        EXPECT_EQ(clicks, 1) << c.what;
        EXPECT_EQ(button.State(), AquaState::Normal) << c.what;
    }
}

TEST_F(AquaTest, RightButtonAndDisabledButtonDoNotClick)
{
    user.MoveTo(At(37, 12));
    user.Press(MouseButton::Right);
    user.Release(MouseButton::Right);
    button.SetEnabled(false);
    user.Press(MouseButton::Left);
    user.Release(MouseButton::Left);
    EXPECT_EQ(clicks, 0);
}

}  // namespace
}  // namespace vx::widgets
