// The bubble hint's placement, its installation and its drawing.
#include <stdexcept>

#include "tests/widgets/WidgetFixture.h"
#include "widgets/AHMHint.h"
#include "widgets/AHMNewHint.h"

namespace vx::widgets {
namespace {

using enum TAHMDirection;
using ui::Rgb;

TEST(HintPlacement, TriesTheFallBacksInTurn)
{
    const ui::Size screen{1024, 768}, text{100, 30};  // bubbles 116 x 50 up, 116 x 59 down
    struct Case { const char* what; ui::Point mouse; TAHMDirection preferred, direction; ui::Point position; };
    const Case cases[] = {
        {"fits", {500, 400}, dUpRight, dUpRight, {500, 345}},
        {"right edge", {1000, 400}, dUpRight, dUpLeft, {890, 345}},
        {"top edge", {500, 20}, dUpRight, dDownRight, {500, 35}},
        {"top right corner", {1000, 20}, dUpRight, dDownLeft, {890, 35}},
        {"left edge", {50, 400}, dUpLeft, dUpRight, {50, 345}},
        {"up left fits", {500, 400}, dUpLeft, dUpLeft, {390, 345}},
        {"bottom edge", {500, 740}, dDownRight, dUpRight, {500, 685}},
        {"down left at the left edge", {50, 300}, dDownLeft, dDownRight, {50, 315}},
        {"down left at the bottom", {500, 740}, dDownLeft, dUpLeft, {390, 685}},
    };
    for (const Case& c : cases) {
        const HintPlacement p = PlaceHint(c.mouse, text, screen, c.preferred);
        EXPECT_EQ(p.direction, c.direction) << c.what;
        EXPECT_EQ(p.position, c.position) << c.what;
    }
}

TEST(HintPlacement, BoundedWhereNoDirectionFits)
{
    const HintPlacement p = PlaceHint({50, 30}, {200, 100}, {100, 60}, dUpRight);
    EXPECT_EQ(p.direction, dUpRight);
    EXPECT_EQ(p.position, (ui::Point{0, 0}));
    const HintPlacement q = PlaceHint({900, 30}, {90, 700}, {1024, 768}, dDownLeft);
    EXPECT_EQ(q.direction, dDownLeft);
    EXPECT_EQ(q.position, (ui::Point{800, 39}));  // as low as it still fits
}

class HintTest : public WidgetFixture {};

TEST_F(HintTest, InstallsTheBubbleWindowAndItsPause)
{
    TAHMHint hint;
    EXPECT_EQ(app.HintPause(), 600);
    EXPECT_NE(dynamic_cast<TAHMNewHint*>(app.GetHintWindow()), nullptr);
    hint.SetHintPauseTime(900);
    EXPECT_EQ(app.HintPause(), 900);
    try {
        TAHMHint second;
        FAIL() << "a second hint component was accepted";
    } catch (const std::logic_error& e) {
        EXPECT_STREQ(e.what(), "You can have one and ONLY ONE\nTAHMHint Component\n in a project and it must be on the Mainform");
    }
    EXPECT_EQ(TAHMHint::Instance(), &hint);
}

TEST_F(HintTest, DownwardBubbleIsTallerAndBelowThePointer)
{
    TAHMHint hint;
    TAHMNewHint window;
    window.ShowAt({500, 20}, {1024, 768}, {0, 0, 100, 30}, "Tip", dUpRight);
    EXPECT_EQ(window.Direction(), dDownRight);
    EXPECT_EQ(window.Bounds(), (ui::Rect{500, 35, 616, 94}));
    window.ShowAt({500, 400}, {1024, 768}, {0, 0, 100, 30}, "Tip", dUpRight);
    EXPECT_EQ(window.Bounds(), (ui::Rect{500, 345, 616, 395}));
    hint.OnSelectHintDirection = [](ui::Control*, TAHMDirection& d) { d = dDownLeft; };
    EXPECT_EQ(hint.StartDirection(nullptr), dDownLeft);
    EXPECT_EQ(hint.HintDirection(), dUpRight);
}

TEST_F(HintTest, BoxWithOutlineAndCheckerboardShadow)
{
    TAHMHint hint;
    TAHMNewHint window;
    window.ShowAt({500, 400}, {1024, 768}, {0, 0, 100, 30}, "", dUpRight);
    const int W = window.Width(), H = window.Height();
    const ui::Color screenColor = Rgb(0, 128, 128);
    ui::Bitmap screen(W, H);
    screen.Fill(screenColor);
    const ui::Bitmap p = window.Render(screen);
    EXPECT_EQ(p.Pixel(0, 10), ui::clWhite);
    EXPECT_EQ(p.Pixel(W - 7, 10), ui::clBlack);
    EXPECT_EQ(p.Pixel(20, H - 15), ui::clBlack);
    EXPECT_EQ(p.Pixel(20, 10), ui::SysColor(ui::SystemColor::InfoBackground));
    auto expectDots = [&](int x0, int x1, int y0, int y1) {
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x)
                EXPECT_EQ(p.Pixel(x, y), (x + y) % 2 == 0 ? ui::clBlack : screenColor) << x << "," << y;
    };
    expectDots(W - 6, W - 1, 8, H - 14);  // right of the box
    expectDots(10, W - 1, H - 14, H - 10);  // below it
    for (ui::Point clear : {ui::Point{W - 1, 7}, {W - 3, 2}, {9, H - 12}, {5, H - 11}, {20, H - 9}, {W - 1, H - 1}})
        EXPECT_EQ(p.Pixel(clear.x, clear.y), screenColor) << clear.x << "," << clear.y;
}

TEST_F(HintTest, KeyColourOnTheScreenShowsTheInside)
{
    TAHMHint hint;
    hint.SetShadow(false);
    TAHMNewHint window;
    window.ShowAt({500, 400}, {1024, 768}, {0, 0, 100, 30}, "", dUpRight);
    ui::Bitmap screen(window.Width(), window.Height());
    screen.Fill(ui::clLime);
    const ui::Bitmap p = window.Render(screen);
    EXPECT_EQ(p.Pixel(window.Width() - 1, window.Height() - 1), ui::SysColor(ui::SystemColor::InfoBackground));
}

TEST_F(HintTest, SpeechBubblePointsAtTheMouse)
{
    TAHMHint hint;
    hint.SetSpeechbubble(true);
    TAHMNewHint window;
    window.ShowAt({500, 400}, {1024, 768}, {0, 0, 100, 30}, "", dUpRight);
    const int H = window.Height();
    ui::Bitmap screen(window.Width(), H);
    screen.Fill(Rgb(0, 128, 128));
    const ui::Bitmap p = window.Render(screen);
    const ui::Color inside = ui::SysColor(ui::SystemColor::InfoBackground);
    EXPECT_EQ(p.Pixel(14, H - 14), inside);  // the pointer's opening
    EXPECT_EQ(p.Pixel(4, H - 4), inside);    // inside the pointer, near its tip
    EXPECT_EQ(p.Pixel(0, 0), Rgb(0, 128, 128));  // the rounded corner
}

}  // namespace
}  // namespace vx::widgets
