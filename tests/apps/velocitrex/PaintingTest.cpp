// The drawing underneath the pictures: blending into transparent pixels, crops,
// and the lettering's placement and its refusal of characters it cannot draw.
#include <gtest/gtest.h>

#include <cmath>

#include "apps/velocitrex/art/Painter.h"
#include "apps/velocitrex/art/StrokeFont.h"

namespace vx::art {
namespace {

TEST(Painting, BlendingBuildsUpOpacityAndKeepsTheColour)
{
    Raster icon = Raster::Transparent(Box{0, 0, 2, 1});
    icon.Blend(0, 0, Hex(0xFF0000), 0.5f);
    icon.Blend(0, 0, Hex(0xFF0000), 0.5f);
    EXPECT_FLOAT_EQ(icon.Alpha(0, 0), 0.75f);
    EXPECT_EQ(icon.Pixels()[0], 0xFF0000u);  // not darkened by the clear pixel under it
    EXPECT_FLOAT_EQ(icon.Alpha(1, 0), 0.0f);

    Raster opaque(Box{0, 0, 1, 1}, Hex(0x000000));
    opaque.Blend(0, 0, Hex(0xFFFFFF), 0.5f);
    EXPECT_EQ(opaque.Pixels()[0], 0x808080u);
    EXPECT_FLOAT_EQ(opaque.Alpha(0, 0), 1.0f);
}

TEST(Painting, EdgesAreAntialiasedOverOnePixel)
{
    Raster r(Box{0, 0, 10, 1}, Hex(0x000000));
    Fill(r, RoundRect{0, 0, 4.5, 1, 0}, Hex(0xFFFFFF));
    const std::vector<std::uint32_t> p = r.Pixels();
    EXPECT_EQ(p[3], 0xFFFFFFu);
    EXPECT_EQ(p[4], 0x808080u);  // half covered
    EXPECT_EQ(p[5], 0x000000u);
}

TEST(Painting, PartOfAPictureIsDrawnAsTheWhole)
{
    const auto draw = [](Raster& r) {
        const Circle c{20, 12, 8};
        Shadow(r, c, 2, 3, 4, Hex(0x000000), 0.8f);
        Fill(r, c, Radial{18, 10, 10, {{0, Hex(0xFFFFFF)}, {1, Hex(0x3060C0)}}});
    };
    Raster whole(Box{0, 0, 40, 30}, Hex(0xE0E0E0));
    draw(whole);
    const Box part{14, 14, 34, 26};  // cuts through the shadow
    Raster piece(part, Hex(0xE0E0E0));
    draw(piece);
    EXPECT_EQ(piece.Pixels(), whole.Crop(part).Pixels());
}

TEST(Lettering, LinesAreCentredAndAlignedOnTheirInk)
{
    const TextStyle upright{12, 2, 0, 1};
    for (const char* text : {"I", "VELOCITREX", "2K3", "HELLO, WORLD!"}) {
        SCOPED_TRACE(text);
        const TextLine centred = CentredText(text, 100, 50, upright);
        EXPECT_NEAR((centred.Bounds().left + centred.Bounds().right) / 2, 100, 0.5);
        EXPECT_NEAR(centred.Bounds().right - centred.Bounds().left, TextLine::Measure(text, upright), 0.5);
        EXPECT_NEAR(RightAlignedText(text, 300, 50, upright).Bounds().right, 300, 0.5);
        // Capitals stand on the baseline and reach the cap height, strokes included.
        EXPECT_NEAR(centred.Bounds().top, 50 - 12 - 1, 1.3);
    }
}

TEST(Lettering, InkFollowsTheStrokes)
{
    const TextLine line("L", 10, 30, TextStyle{12, 2, 0, 0});
    EXPECT_LT(line.Distance(10, 25), 0);   // on the stem
    EXPECT_LT(line.Distance(13, 30), 0);   // on the foot
    EXPECT_GT(line.Distance(14, 20), 0);   // in the empty corner
    EXPECT_GT(line.Distance(10, 10), 0);   // above the letter
}

// Filling asks only how far a pixel lies within a limit; the text may stop
// looking early but must then never report less than the limit.
TEST(Lettering, DistanceWithinALimitIsExactBelowIt)
{
    const TextLine line("VELOCITREX 2K3", 10, 40, TextStyle{14, 2.2, 0.18, 1});
    const Union both{line, Moved{TextLine("AB", 5, 20, TextStyle{}), 3, 2}};
    for (double limit : {0.5, 4.0, 11.0}) {
        for (double y = 10; y < 50; y += 0.7) {
            for (double x = 0; x < 200; x += 0.9) {
                const double exact = both.Distance(x, y);
                const double within = DistanceWithin(both, x, y, limit);
                if (exact < limit)
                    ASSERT_EQ(within, exact) << x << "," << y << " limit " << limit;
                else
                    ASSERT_GE(within, limit) << x << "," << y << " limit " << limit;
            }
        }
    }
}

TEST(Lettering, CharactersWithoutALetterAreRefused)
{
    EXPECT_THROW(TextLine("50% FASTER", 0, 10, TextStyle{}), std::invalid_argument);
    EXPECT_NO_THROW(TextLine("lower case is drawn as capitals", 0, 10, TextStyle{}));
}

}  // namespace
}  // namespace vx::art
