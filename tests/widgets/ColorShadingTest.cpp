// Shade ramps, Shade and the bevel ring colours.
#include <gtest/gtest.h>

#include "widgets/ColorShading.h"

namespace vx::widgets {
namespace {

using ui::Rgb;

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour)
{
    struct Case { std::int64_t num, den; int expected; };
    for (const Case& c : {Case{5, 2, 2}, {7, 2, 4}, {-5, 2, -2}, {-7, 2, -4}, {10, 3, 3}, {11, 3, 4}, {1, 2, 0}}) {
        EXPECT_EQ(RoundHalfEven(c.num, c.den), c.expected) << c.num << "/" << c.den;
        EXPECT_EQ(RoundHalfEven(static_cast<double>(c.num) / static_cast<double>(c.den)), c.expected);
    }
}

TEST(ShadeRamp, StepsOf17AroundTheBaseClampedPerChannel)
{
    struct Case { ui::Color base; int index; ui::Color expected; };
    const Case cases[] = {
        {Rgb(119, 119, 119), 0, Rgb(0, 0, 0)},       {Rgb(119, 119, 119), 7, Rgb(119, 119, 119)},
        {Rgb(119, 119, 119), 15, Rgb(255, 255, 255)}, {Rgb(0, 0, 0), 0, Rgb(0, 0, 0)},
        {Rgb(0, 0, 0), 7, Rgb(0, 0, 0)},             {Rgb(0, 0, 0), 13, Rgb(102, 102, 102)},
        {Rgb(0, 0, 0), 15, Rgb(136, 136, 136)},      {Rgb(200, 40, 40), 15, Rgb(255, 176, 176)},
        {Rgb(200, 40, 40), 0, Rgb(81, 0, 0)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MakeShadeRamp(c.base)[static_cast<std::size_t>(c.index)], c.expected) << c.index;
}

TEST(Shade, DarkerLighterAndUnchangedSteps)
{
    struct Case { ui::Color color; int k; ui::Color expected; };
    const Case cases[] = {
        {Rgb(200, 100, 0), 0, Rgb(170, 85, 0)},    {Rgb(200, 100, 0), 9, Rgb(233, 193, 153)},
        {Rgb(200, 100, 0), 5, Rgb(200, 100, 0)},   {Rgb(0, 0, 255), 0, Rgb(0, 0, 217)},
        {Rgb(100, 100, 100), 4, Rgb(94, 94, 94)},  {Rgb(100, 100, 100), 3, Rgb(40, 40, 40)},
        {Rgb(10, 10, 10), 1, Rgb(7, 7, 7)},        {Rgb(0, 0, 0), 6, Rgb(38, 38, 38)},
        // 30 % of 5 is 1.5 and of 255 is 76.5: both round to even.
        {Rgb(5, 10, 255), 1, Rgb(3, 7, 179)},      {Rgb(192, 192, 192), 2, Rgb(106, 106, 106)},
        {ui::clBtnFace, 5, Rgb(192, 192, 192)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Shade(c.color, c.k), c.expected) << "k=" << c.k;
}

TEST(BevelRing, QuarterCircleFromFrameToButton)
{
    struct Case { int ring; ui::Color expected; };
    for (const Case& c : {Case{0, Rgb(0, 0, 0)}, {8, Rgb(111, 111, 111)}, {15, Rgb(128, 128, 128)}, {1, Rgb(45, 45, 45)}})
        EXPECT_EQ(BevelRingColor(ui::clBlack, Rgb(128, 128, 128), c.ring, 16), c.expected) << c.ring;
    // Per channel, and downwards as well.
    EXPECT_EQ(BevelRingColor(Rgb(255, 0, 100), Rgb(0, 255, 100), 0, 16), Rgb(255, 0, 100));
}

}  // namespace
}  // namespace vx::widgets
