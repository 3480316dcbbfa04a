// The gradient's step colours, stops and the pictures of its styles.
#include <gtest/gtest.h>

#include <set>

#include "ui/Bitmap.h"
#include "ui/Canvas.h"
#include "widgets/AHMGradient.h"

namespace vx::widgets {
namespace {

using ui::Rgb;

ui::Bitmap Draw(const TAHMGradient& g, int w, int h, bool forward = true)
{
    ui::Bitmap target(w, h);
    g.DrawGradient(target.GetCanvas(), w, h, forward);
    return target;
}

TAHMGradient TwoStops(ui::Color begin, ui::Color end, TAHMFillStyle style = TAHMFillStyle::Horizontal)
{
    TAHMGradient g;
    g.SetBeginColor(begin);
    g.SetEndColor(end);
    g.SetFillStyle(style);
    return g;
}

TEST(GradientStep, MulDivStepsNeverBlack)
{
    struct Case { ui::Color c0, c1; int n, steps; ui::Color expected; };
    const Case cases[] = {
        {Rgb(0, 0, 0), Rgb(255, 255, 255), 0, 32, Rgb(1, 1, 1)},
        {Rgb(0, 0, 0), Rgb(255, 255, 255), 1, 32, Rgb(8, 8, 8)},
        {Rgb(0, 0, 0), Rgb(255, 255, 255), 31, 32, Rgb(255, 255, 255)},
        {Rgb(255, 0, 10), Rgb(0, 0, 0), 31, 32, Rgb(1, 1, 1)},
        // 255 * 1 / 2 = 127.5 rounds away from zero.
        {Rgb(0, 0, 0), Rgb(255, 255, 255), 1, 3, Rgb(128, 128, 128)},
        {Rgb(200, 0, 0), Rgb(0, 0, 0), 1, 1, Rgb(200, 1, 1)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GradientStepColor(c.c0, c.c1, c.n, c.steps), c.expected) << c.n << " of " << c.steps;
    EXPECT_EQ(GradientMirrorColor(Rgb(0, 0, 0), Rgb(255, 255, 255), 0, 32), Rgb(255, 255, 255));
}

TEST(Gradient, ColorCountOutsideTwoTo255IsIgnored)
{
    TAHMGradient g;
    int changes = 0;
    g.OnChange = [&] { ++changes; };
    for (int bad : {1, 256, 0, -5})
        g.SetColorCount(bad);
    EXPECT_EQ(g.ColorCount(), 32);
    g.SetColorCount(2);
    EXPECT_EQ(g.ColorCount(), 2);
    g.SetColorCount(255);
    EXPECT_EQ(g.ColorCount(), 255);
    EXPECT_EQ(changes, 6);
}

TEST(Gradient, StopsInOrderAndReversedWithoutUnknownTexts)
{
    TAHMGradient g = TwoStops(ui::clRed, ui::clBlue);
    g.SetColorsInBetween({"clLime", "$0000FFFF", "no colour", "8421504"});
    EXPECT_EQ(g.Stops(true), (std::vector<ui::Color>{ui::clRed, ui::clLime, ui::clYellow, ui::clGray, ui::clBlue}));
    EXPECT_EQ(g.Stops(false), (std::vector<ui::Color>{ui::clBlue, ui::clLime, ui::clYellow, ui::clGray, ui::clRed}));
}

TEST(Gradient, HorizontalEndsWithTheEndColourAtTheBottom)
{
    const ui::Bitmap p = Draw(TwoStops(Rgb(200, 10, 10), Rgb(10, 10, 200)), 10, 100);
    EXPECT_EQ(p.Pixel(5, 0), Rgb(200, 10, 10));
    EXPECT_EQ(p.Pixel(5, 99), Rgb(10, 10, 200));
    EXPECT_EQ(Draw(TwoStops(Rgb(200, 10, 10), Rgb(10, 10, 200)), 10, 100, false).Pixel(5, 0), Rgb(10, 10, 200));
}

TEST(Gradient, BlackStopShowsAsAlmostBlack)
{
    const ui::Bitmap p = Draw(TwoStops(ui::clBlack, ui::clWhite), 10, 100);
    EXPECT_EQ(p.Pixel(0, 0), Rgb(1, 1, 1));
}

TEST(Gradient, TwoStepsDrawTheFirstAndTheLastColour)
{
    TAHMGradient g = TwoStops(Rgb(50, 60, 70), Rgb(150, 160, 170));
    g.SetColorCount(2);
    const ui::Bitmap p = Draw(g, 20, 100);
    EXPECT_EQ(p.Pixel(0, 0), Rgb(50, 60, 70));
    EXPECT_EQ(p.Pixel(0, 50), Rgb(50, 60, 70));
    EXPECT_EQ(p.Pixel(0, 51), Rgb(150, 160, 170));
    EXPECT_EQ(p.Pixel(0, 99), Rgb(150, 160, 170));
}

// Every style paints inside its picture, only in step colours, and over more
// than the first stop.
TEST(Gradient, EveryStylePaintsOnlyStepColours)
{
    const ui::Color begin = Rgb(250, 40, 20), middle = Rgb(20, 200, 40), end = Rgb(30, 20, 240);
    std::set<ui::Color> allowed;
    for (auto [c0, c1] : {std::pair{begin, middle}, {middle, end}}) {
        for (int n = 0; n < 8; ++n) {
            allowed.insert(GradientStepColor(c0, c1, n, 8));
            allowed.insert(GradientMirrorColor(c0, c1, n, 8));
        }
    }
    for (int s = 0; s <= static_cast<int>(TAHMFillStyle::HorizontalDoppelBar); ++s) {
        TAHMGradient g = TwoStops(begin, end, static_cast<TAHMFillStyle>(s));
        g.SetColorsInBetween({"$0028C814"});
        g.SetColorCount(8);
        ui::Bitmap target(64, 48);
        target.Fill(ui::clWhite);
        g.DrawGradient(target.GetCanvas(), 60, 40, true);
        std::set<ui::Color> seen;
        for (int y = 0; y < 48; ++y)
            for (int x = 0; x < 64; ++x)
                seen.insert(target.Pixel(x, y));
        EXPECT_TRUE(seen.count(ui::clWhite)) << "style " << s << " painted outside its rectangle";
        seen.erase(ui::clWhite);
        for (ui::Color c : seen)
            EXPECT_TRUE(c == begin || allowed.count(c)) << "style " << s << " colour " << std::hex << c;
        EXPECT_GT(seen.size(), 3u) << "style " << s;
    }
}

}  // namespace
}  // namespace vx::widgets
