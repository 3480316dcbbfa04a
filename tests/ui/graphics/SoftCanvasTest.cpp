// Pixels of each primitive on the software canvas, where GDI defines them (the same
// cases are compared with GDI itself in the Windows build).
#include <gtest/gtest.h>

#include "tests/ui/graphics/CanvasFixture.h"
#include "tests/ui/graphics/Screens.h"
#include "ui/Region.h"

namespace vx::ui::test {
namespace {

constexpr Color W = clWhite;
constexpr Color B = clBlack;
constexpr Color R = clRed;

const Point Star[] = {{10, 0}, {16, 18}, {1, 7}, {19, 7}, {4, 18}};

const std::vector<PixelCase>& ShapeCases()
{
    static const std::vector<PixelCase> cases = {
        {"FillRect excludes right and bottom", [](Canvas& c) { c.FillRect({2, 2, 6, 5}); },
         {{2, 2, R}, {5, 4, R}, {6, 4, W}, {5, 5, W}, {1, 2, W}}},
        {"FillRect given back to front", [](Canvas& c) { c.FillRect({11, 11, 1, 1}); },
         {{2, 2, R}, {11, 11, R}, {1, 1, W}, {12, 12, W}}},
        {"FillRect with a clear brush", [](Canvas& c) { c.brush.style = BrushStyle::Clear; c.FillRect({2, 2, 6, 5}); },
         {{3, 3, W}}},
        {"FrameRect in the brush colour", [](Canvas& c) { c.FrameRect({1, 1, 9, 7}); },
         {{1, 1, R}, {8, 1, R}, {1, 6, R}, {8, 6, R}, {2, 2, W}, {9, 1, W}, {1, 7, W}}},
        {"Rectangle 1..10", [](Canvas& c) { c.Rectangle({1, 1, 11, 11}); },
         {{1, 1, B}, {10, 1, B}, {1, 10, B}, {10, 10, B}, {11, 5, W}, {5, 11, W}, {2, 2, R}, {9, 9, R}}},
        {"Rectangle given back to front", [](Canvas& c) { c.Rectangle({11, 11, 1, 1}); },
         {{1, 1, B}, {10, 10, B}, {5, 5, R}, {11, 11, W}}},
        {"Rectangle without pen is a pixel smaller", [](Canvas& c) { c.pen.style = PenStyle::Clear; c.Rectangle({1, 1, 11, 11}); },
         {{1, 1, R}, {9, 9, R}, {10, 10, W}, {10, 5, W}, {5, 10, W}}},
        {"Rectangle with a clear brush", [](Canvas& c) { c.brush.style = BrushStyle::Clear; c.Rectangle({1, 1, 11, 11}); },
         {{1, 1, B}, {5, 5, W}}},
        {"Ellipse inside its box", [](Canvas& c) { c.Ellipse({1, 1, 11, 11}); },
         {{5, 5, R}, {1, 1, W}, {4, 1, B}, {3, 1, W}, {10, 5, B}, {11, 5, W}, {5, 10, B}, {5, 11, W}, {1, 5, B}}},
        {"Ellipse without pen keeps its size", [](Canvas& c) { c.pen.style = PenStyle::Clear; c.Ellipse({1, 1, 11, 11}); },
         {{4, 1, R}, {1, 4, R}, {10, 5, R}, {11, 5, W}, {3, 1, W}}},
        {"RoundRect corners", [](Canvas& c) { c.RoundRect({1, 1, 21, 11}, 6, 6); },
         {{3, 1, B}, {2, 1, W}, {18, 1, B}, {19, 1, W}, {1, 3, B}, {1, 2, W}, {20, 5, B}, {21, 5, W}, {10, 5, R}}},
        {"LineTo leaves out its end", [](Canvas& c) { c.MoveTo(1, 1); c.LineTo(10, 1); },
         {{1, 1, B}, {9, 1, B}, {10, 1, W}}},
        {"LineTo 2:1 down", [](Canvas& c) { c.MoveTo(1, 1); c.LineTo(11, 6); },
         {{1, 1, B}, {2, 1, B}, {3, 2, B}, {10, 5, B}, {11, 6, W}}},
        {"LineTo 2:1 up takes the upper pixel halfway", [](Canvas& c) { c.MoveTo(1, 10); c.LineTo(15, 3); },
         {{1, 10, B}, {2, 9, B}, {3, 9, B}, {4, 8, B}, {2, 10, W}, {14, 3, B}, {15, 3, W}}},
        {"Polygon outline and fill", [](Canvas& c) { const Point p[] = {{1, 1}, {15, 3}, {5, 12}}; c.Polygon(p); },
         {{1, 1, B}, {15, 3, B}, {5, 12, B}, {6, 5, R}, {14, 10, W}}},
        {"Polygon alternate leaves the star's middle", [](Canvas& c) { c.pen.style = PenStyle::Clear; c.Polygon(Star); },
         {{10, 10, W}, {10, 3, R}, {3, 8, R}}},
        {"Polygon winding fills the star's middle", [](Canvas& c) { c.pen.style = PenStyle::Clear; c.Polygon(Star, true); },
         {{10, 10, R}, {10, 3, R}, {3, 8, R}}},
        {"Arc counter-clockwise from east to north", [](Canvas& c) { c.Arc({0, 0, 21, 21}, {20, 10}, {10, 0}); },
         {{20, 10, B}, {16, 2, B}, {13, 0, B}, {10, 0, W}, {0, 10, W}, {10, 20, W}, {20, 11, W}}},
        {"Dotted pen", [](Canvas& c) { c.pen.style = PenStyle::Dot; c.MoveTo(0, 2); c.LineTo(20, 2); },
         {{0, 2, B}, {2, 2, B}, {3, 2, W}, {5, 2, W}, {6, 2, B}}},
        {"Dashed pen", [](Canvas& c) { c.pen.style = PenStyle::Dash; c.MoveTo(0, 4); c.LineTo(22, 4); },
         {{0, 4, B}, {17, 4, B}, {18, 4, W}, {23, 4, W}}},
        {"Wide pen with round ends", [](Canvas& c) { c.pen.width = 5; c.MoveTo(4, 4); c.LineTo(15, 4); },
         {{2, 4, B}, {17, 4, B}, {18, 4, W}, {3, 2, B}, {2, 2, W}, {4, 7, W}}},
        {"System colours are resolved", [](Canvas& c) { c.brush.color = clBtnFace; c.FillRect({0, 0, 2, 2}); },
         {{0, 0, Rgb(192, 192, 192)}}},
    };
    return cases;
}

TEST(SoftCanvasShapes, MatchGdiPixelRules)
{
    for (const PixelCase& c : ShapeCases())
        CheckPixels(c);
}

const std::vector<PixelCase>& StateCases()
{
    static const std::vector<PixelCase> cases = {
        {"clip rectangle", [](Canvas& c) { c.SetClipRect({2, 2, 6, 6}); c.FillRect({0, 0, 24, 24}); },
         {{2, 2, R}, {5, 5, R}, {6, 6, W}, {1, 1, W}}},
        {"clip region", [](Canvas& c) { c.SetClip(Region::FromEllipse({0, 0, 11, 11})); c.FillRect({0, 0, 24, 24}); },
         {{5, 5, R}, {0, 0, W}, {10, 5, W}, {9, 5, R}}},
        {"narrowed clip", [](Canvas& c) { c.SetClipRect({2, 2, 10, 10}); c.IntersectClipRect({6, 0, 20, 20}); c.FillRect({0, 0, 24, 24}); },
         {{6, 6, R}, {9, 9, R}, {5, 5, W}, {10, 9, W}}},
        {"cleared clip", [](Canvas& c) { c.SetClipRect({2, 2, 6, 6}); c.ClearClip(); c.FillRect({0, 0, 24, 24}); },
         {{0, 0, R}, {23, 23, R}}},
        {"origin moves drawing", [](Canvas& c) { c.SetOrigin({5, 5}); c.FillRect({0, 0, 2, 2}); },
         {{5, 5, R}, {6, 6, R}, {0, 0, W}, {7, 7, W}}},
        {"clip stays put when the origin moves", [](Canvas& c) { c.SetOrigin({5, 5}); c.SetClipRect({0, 0, 2, 2}); c.SetOrigin({0, 0}); c.FillRect({0, 0, 24, 24}); },
         {{5, 5, R}, {6, 6, R}, {0, 0, W}, {7, 7, W}}},
        {"restored state", [](Canvas& c) {
             const CanvasState saved = c.SaveState();
             c.SetOrigin({3, 3});
             c.SetClipRect({0, 0, 1, 1});
             c.RestoreState(saved);
             c.FillRect({0, 0, 2, 2});
         },
         {{0, 0, R}, {1, 1, R}, {3, 3, W}}},
        {"pixels write and read", [](Canvas& c) { c.SetPixel(3, 4, clBlue); c.SetPixel(-1, 0, clBlue); c.SetPixel(24, 0, clBlue); },
         {{3, 4, clBlue}, {0, 0, W}}},
    };
    return cases;
}

TEST(SoftCanvasState, ClipAndOrigin)
{
    for (const PixelCase& c : StateCases())
        CheckPixels(c);
}

TEST(SoftCanvasState, PixelOutsideSurfaceOrClipIsInvalid)
{
    Bitmap picture = Blank();
    Canvas& canvas = picture.GetCanvas();
    EXPECT_EQ(canvas.Pixel(-1, 0), InvalidColor);
    EXPECT_EQ(canvas.Pixel(0, 24), InvalidColor);
    canvas.SetClipRect({0, 0, 2, 2});
    EXPECT_EQ(canvas.Pixel(1, 1), clWhite);
    EXPECT_EQ(canvas.Pixel(2, 2), InvalidColor);
    canvas.SetOrigin({1, 1});
    EXPECT_EQ(canvas.Pixel(0, 0), clWhite);
    EXPECT_EQ(canvas.Pixel(1, 1), InvalidColor);
}

TEST(SoftCanvasRegions, FillAndFrameFollowTheRegion)
{
    const Region shape = Region::FromEllipse({2, 2, 20, 16});
    Bitmap filled = Blank();
    filled.GetCanvas().FillRegion(shape, clBlue);
    Bitmap framed = Blank();
    framed.GetCanvas().FrameRegion(shape, clBlue, 2, 1);
    for (int y = 0; y < 24; ++y) {
        for (int x = 0; x < 24; ++x) {
            ASSERT_EQ(filled.Pixel(x, y) == clBlue, shape.Contains({x, y})) << x << "," << y;
            if (!shape.Contains({x, y})) {
                ASSERT_EQ(framed.Pixel(x, y), clWhite) << x << "," << y;
            }
        }
    }
    // Two pixels wide at the sides, one at top and bottom, hollow inside.
    EXPECT_EQ(framed.Pixel(2, 8), clBlue);
    EXPECT_EQ(framed.Pixel(3, 8), clBlue);
    EXPECT_EQ(framed.Pixel(4, 8), clWhite);
    EXPECT_EQ(framed.Pixel(10, 2), clBlue);
    EXPECT_EQ(framed.Pixel(10, 3), clWhite);
    EXPECT_EQ(framed.Pixel(10, 8), clWhite);
}

TEST(SoftCanvasCopies, DrawTransparentLeavesOutTheKey)
{
    Bitmap sprite(3, 3);
    sprite.Fill(clLime);
    sprite.SetPixel(1, 1, clBlue);
    Bitmap picture = Blank();
    picture.GetCanvas().DrawTransparent(4, 4, sprite, clLime);
    EXPECT_EQ(picture.Pixel(5, 5), clBlue);
    EXPECT_EQ(picture.Pixel(4, 4), clWhite);
    picture.GetCanvas().Draw(10, 10, sprite);
    EXPECT_EQ(picture.Pixel(10, 10), clLime);
    EXPECT_EQ(picture.Pixel(11, 11), clBlue);
    // Clipped and moved like every other drawing, also past the picture's edge.
    picture.GetCanvas().SetOrigin({-1, 0});
    picture.GetCanvas().SetClipRect({0, 0, 17, 24});
    picture.GetCanvas().Draw(15, 0, sprite);
    picture.GetCanvas().Draw(22, 5, sprite);
    EXPECT_EQ(picture.Pixel(14, 0), clLime);
    EXPECT_EQ(picture.Pixel(15, 0), clLime);
    EXPECT_EQ(picture.Pixel(16, 0), clWhite);
    EXPECT_EQ(picture.Pixel(21, 5), clWhite);
}

TEST(SoftCanvasCopies, CopyRectStretchesAndCopiesWithinOneCanvas)
{
    Bitmap source(2, 2);
    source.SetPixel(0, 0, clRed);
    source.SetPixel(1, 1, clBlue);
    Bitmap picture = Blank();
    picture.GetCanvas().CopyRect({0, 0, 4, 4}, source.GetCanvas(), {0, 0, 2, 2});
    EXPECT_EQ(picture.Pixel(0, 0), clRed);
    EXPECT_EQ(picture.Pixel(1, 1), clRed);
    EXPECT_EQ(picture.Pixel(2, 2), clBlue);
    EXPECT_EQ(picture.Pixel(3, 3), clBlue);
    EXPECT_EQ(picture.Pixel(2, 0), clWhite);
    // The source's clip limits its own drawing, not copies out of it (as BitBlt).
    source.GetCanvas().SetClipRect({0, 0, 1, 1});
    Bitmap second = Blank();
    second.GetCanvas().CopyRect({0, 0, 2, 2}, source.GetCanvas(), {0, 0, 2, 2});
    EXPECT_EQ(second.Pixel(1, 1), clBlue);
    // Overlapping copy within the same picture reads before it writes.
    picture.GetCanvas().CopyRect({1, 1, 5, 5}, picture.GetCanvas(), {0, 0, 4, 4});
    EXPECT_EQ(picture.Pixel(1, 1), clRed);
    EXPECT_EQ(picture.Pixel(2, 2), clRed);
    EXPECT_EQ(picture.Pixel(4, 4), clBlue);
}

TEST(SoftCanvasGallery, SavesARenderingOfThePrimitives)
{
    Bitmap picture(200, 120);
    Canvas& c = picture.GetCanvas();
    c.brush.color = clSilver;
    c.FillRect(picture.Bounds());
    c.brush.color = clYellow;
    c.Rectangle({5, 5, 45, 35});
    c.RoundRect({50, 5, 95, 35}, 12, 12);
    c.Ellipse({100, 5, 145, 35});
    c.Polygon(Star);
    c.Arc({150, 5, 195, 50}, {195, 27}, {172, 5});
    c.MoveTo(5, 45);
    c.LineTo(95, 60);
    c.brush.style = BrushStyle::Clear;
    c.font.color = clNavy;
    c.TextOut(5, 65, "The quick brown fox 0123");
    c.font.bold = true;
    c.TextOut(5, 80, "Velocitrex! >> Next");
    c.font.height = -22;
    c.font.bold = false;
    c.TextOut(5, 95, "Big &Text");
    const std::string path = SaveScreen(picture, "soft-primitives");
    Bitmap reloaded;
    ASSERT_TRUE(reloaded.LoadBmp(path));
    EXPECT_TRUE(SamePixels(picture, reloaded));
}

}  // namespace
}  // namespace vx::ui::test
