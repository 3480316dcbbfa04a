// The software canvas and Region against GDI itself: the same drawing on a DIB
// section through GdiCanvas and on memory through SoftCanvas, pixel for pixel.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/ui/graphics/Screens.h"
#include "ui/Bitmap.h"
#include "ui/Canvas.h"
#include "ui/MemoryBitmapStorage.h"
#include "ui/win32/DibBitmapStorage.h"
#include "ui/win32/GdiCanvas.h"
#include "ui/win32/GdiDrawing.h"
#include "ui/win32/GdiRegion.h"

namespace vx::ui::win32 {
namespace {

constexpr int Side = 24;

struct DrawCase {
    std::string name;
    std::function<void(Canvas&)> draw;
    int tolerated = 0;  // pixels allowed to differ
};

const Point Star[] = {{10, 0}, {16, 18}, {1, 7}, {19, 7}, {4, 18}};
const Point Concave[] = {{1, 1}, {20, 1}, {20, 15}, {10, 6}, {1, 15}};

std::vector<DrawCase> Cases()
{
    auto noPen = [](Canvas& c) { c.pen.style = PenStyle::Clear; };
    std::vector<DrawCase> cases = {
        {"FillRect", [](Canvas& c) { c.FillRect({2, 2, 6, 5}); }},
        {"FillRect back to front", [](Canvas& c) { c.FillRect({11, 11, 1, 1}); }},
        {"FrameRect", [](Canvas& c) { c.FrameRect({1, 1, 9, 7}); }},
        {"Rectangle", [](Canvas& c) { c.Rectangle({1, 1, 11, 11}); }},
        {"Rectangle back to front", [](Canvas& c) { c.Rectangle({11, 11, 1, 1}); }},
        {"Rectangle without pen", [=](Canvas& c) { noPen(c); c.Rectangle({1, 1, 11, 11}); }},
        {"RoundRect", [](Canvas& c) { c.RoundRect({1, 1, 21, 11}, 6, 6); }},
        {"RoundRect odd corners", [](Canvas& c) { c.RoundRect({0, 0, 19, 13}, 7, 9); }},
        {"RoundRect corner larger than box", [](Canvas& c) { c.RoundRect({0, 0, 22, 17}, 40, 40); }},
        {"RoundRect without pen", [=](Canvas& c) { noPen(c); c.RoundRect({1, 1, 21, 11}, 6, 6); }},
        {"Polygon concave", [](Canvas& c) { c.Polygon(Concave); }},
        {"Polygon star alternate", [=](Canvas& c) { noPen(c); c.Polygon(Star); }},
        {"Polygon star winding", [=](Canvas& c) { noPen(c); c.Polygon(Star, true); }},
        {"Polyline", [](Canvas& c) { c.Polyline(Concave); }},
        {"Dotted and dashed pens", [](Canvas& c) {
             c.pen.style = PenStyle::Dot;
             c.MoveTo(0, 2);
             c.LineTo(20, 2);
             c.pen.style = PenStyle::Dash;
             c.MoveTo(0, 4);
             c.LineTo(23, 4);
         }},
        {"Arc east to north", [](Canvas& c) { c.Arc({0, 0, 21, 21}, {20, 10}, {10, 0}); }},
        {"Arc of the round button rim", [](Canvas& c) { c.Arc({1, 1, 18, 17}, {15, 3}, {3, 14}); }},
        {"Arc closed", [](Canvas& c) { c.Arc({1, 1, 15, 12}, {5, 0}, {5, 0}); }},
        {"Arc south-west", [](Canvas& c) { c.Arc({2, 2, 20, 16}, {2, 14}, {19, 3}); }, 1},
        {"Wide pen 5", [](Canvas& c) { c.pen.width = 5; c.MoveTo(4, 4); c.LineTo(15, 4); }},
        {"Wide pen 3", [](Canvas& c) { c.pen.width = 3; c.MoveTo(3, 3); c.LineTo(15, 3); }, 4},
        {"Wide pen 2 slanted", [](Canvas& c) { c.pen.width = 2; c.MoveTo(3, 3); c.LineTo(15, 9); }, 3},
        {"FillRegion", [](Canvas& c) { c.FillRegion(Region::FromEllipse({1, 1, 20, 17}), clBlue); }},
        {"FrameRegion", [](Canvas& c) { c.FrameRegion(Region::FromEllipse({1, 1, 16, 14}), clBlue, 2, 1); }},
        {"Regions, text cells and copies moved by the origin", [](Canvas& c) {
             c.SetOrigin({4, 3});
             c.FillRegion(Region::FromRoundRect({0, 0, 12, 10}, 5, 5), clBlue);
             c.FrameRegion(Region::FromRect({10, 10, 18, 18}), clBlack, 1, 1);
             c.CopyRect({-4, -3, 2, 3}, c, {0, 0, 6, 6});
         }},
        {"Clip and origin", [](Canvas& c) {
             c.SetOrigin({3, 2});
             c.SetClip(Region::FromEllipse({0, 0, 15, 15}));
             c.FillRect({-5, -5, 30, 30});
             c.SetOrigin({0, 0});
             c.Rectangle({0, 0, 8, 8});
         }},
    };
    for (const Point p : {Point{14, 3}, Point{2, 20}, Point{20, 21}, Point{21, 9}, Point{9, 21}, Point{3, 8}}) {
        for (const Point from : {Point{1, 1}, Point{22, 22}, Point{11, 12}}) {
            cases.push_back({"Line " + std::to_string(from.x) + "," + std::to_string(from.y) + " to " +
                                 std::to_string(p.x) + "," + std::to_string(p.y),
                             [=](Canvas& c) { c.MoveTo(from); c.LineTo(p); }});
        }
    }
    // The round button's rim halves: the arc ends may sit up to two pixels apart
    // from Wine's at each end.
    for (int w = 10; w <= 23; w += 3) {
        for (int h = 10; h <= 23; h += 4) {
            const Point upper{4 * (w / 5), h / 5};
            const Point lower{w / 5, 4 * (h / 5)};
            cases.push_back({"Rim arcs " + std::to_string(w) + "x" + std::to_string(h), [=](Canvas& c) {
                                 c.Arc({1, 1, w - 2, h - 2}, upper, lower);
                                 c.Arc({0, 0, w - 1, h - 1}, lower, upper);
                             },
                             8});
        }
    }
    for (int w = 2; w <= 22; w += 3) {
        for (int h = 3; h <= 22; h += 4) {
            cases.push_back({"Ellipse " + std::to_string(w) + "x" + std::to_string(h),
                             [=](Canvas& c) { c.Ellipse({1, 1, 1 + w, 1 + h}); }});
            cases.push_back({"Ellipse without pen " + std::to_string(w) + "x" + std::to_string(h),
                             [=](Canvas& c) { c.pen.style = PenStyle::Clear; c.Ellipse({1, 1, 1 + w, 1 + h}); }});
        }
    }
    return cases;
}

void Prepare(Canvas& c)
{
    c.pen = Pen{};
    c.brush = Brush{clRed, BrushStyle::Solid};
}

std::string Art(BitmapStorage& s)
{
    std::string art;
    s.BeginDirectAccess();
    for (int y = 0; y < Side; ++y) {
        for (int x = 0; x < Side; ++x) {
            const std::uint32_t p = s.Bits()[y * Side + x];
            art += p == 0xFFFFFF ? '.' : p == 0 ? '#' : p == 0xFF0000 ? 'r' : '?';
        }
        art += '\n';
    }
    return art;
}

TEST(GdiMatch, SoftCanvasDrawsTheSamePixelsAsGdi)
{
    DibBitmapStorage gdi(Side, Side);
    MemoryBitmapStorage soft(Side, Side);
    for (const DrawCase& c : Cases()) {
        for (BitmapStorage* s : {static_cast<BitmapStorage*>(&gdi), static_cast<BitmapStorage*>(&soft)}) {
            s->BeginDirectAccess();
            std::fill(s->Bits(), s->Bits() + Side * Side, 0xFFFFFFu);
            Canvas& canvas = s->GetCanvas();
            canvas.ClearClip();
            canvas.SetOrigin({0, 0});
            Prepare(canvas);
            c.draw(canvas);
            s->BeginDirectAccess();
        }
        int differing = 0;
        for (int i = 0; i < Side * Side; ++i)
            differing += gdi.Bits()[i] != soft.Bits()[i];
        EXPECT_LE(differing, c.tolerated) << c.name << "\nGDI:\n" << Art(gdi) << "soft:\n" << Art(soft);
    }
}

// Wine's CreateEllipticRgn leaves out the tip rows of tall, narrow ellipses (and
// fills very narrow ones from uninitialised memory); only a region that spans its
// whole box is a reference. Ours keeps the tips, as the drawn ellipse does.
bool SpansBox(const Region& r, int w, int h)
{
    return r.Bounds() == Rect{0, 0, w, h};
}

TEST(GdiMatch, EllipseRegionsMatchCreateEllipticRgn)
{
    int compared = 0;
    for (int w = 3; w <= 40; ++w) {
        for (int h = 3; h <= 40; ++h) {
            const RegionHandle gdi(CreateEllipticRgn(0, 0, w + 1, h + 1));
            const std::optional<Region> expected = FromHrgn(gdi.Get());
            ASSERT_TRUE(expected.has_value());
            if (!SpansBox(*expected, w, h))
                continue;
            ++compared;
            EXPECT_EQ(Region::FromEllipse({0, 0, w + 1, h + 1}), *expected) << w << "x" << h;
        }
    }
    EXPECT_GT(compared, 1000);
}

TEST(GdiMatch, RoundRectRegionsMatchCreateRoundRectRgn)
{
    for (int w = 3; w <= 30; ++w) {
        for (int h = 3; h <= 30; ++h) {
            for (const Size corner : {Size{3, 3}, Size{6, 6}, Size{5, 9}, Size{12, 4}, Size{20, 20}}) {
                const RegionHandle gdi(CreateRoundRectRgn(0, 0, w + 1, h + 1, corner.cx, corner.cy));
                const std::optional<Region> expected = FromHrgn(gdi.Get());
                ASSERT_TRUE(expected.has_value());
                if (!SpansBox(*expected, w, h))
                    continue;
                EXPECT_EQ(Region::FromRoundRect({0, 0, w + 1, h + 1}, corner.cx, corner.cy), *expected)
                    << w << "x" << h << " corner " << corner.cx << "x" << corner.cy;
            }
        }
    }
}

TEST(GdiMatch, CombineAndHitTestsMatchGdi)
{
    const Region a = Region::FromEllipse({0, 0, 30, 20});
    const Region b = Region::FromRoundRect({10, 5, 40, 30}, 8, 8);
    const std::pair<RegionOp, int> modes[] = {
        {RegionOp::And, RGN_AND}, {RegionOp::Or, RGN_OR}, {RegionOp::Xor, RGN_XOR}, {RegionOp::Diff, RGN_DIFF}};
    for (const auto& [op, mode] : modes) {
        const RegionHandle ga = ToHrgn(a);
        const RegionHandle gb = ToHrgn(b);
        RegionHandle result(CreateRectRgn(0, 0, 0, 0));
        CombineRgn(result.Get(), ga.Get(), gb.Get(), mode);
        const Region mine = Region::Combine(a, b, op);
        EXPECT_EQ(mine, FromHrgn(result.Get())) << mode;
        // GDI's own rectangle list, not only its area, is what ours is.
        EXPECT_EQ(mine.ToRgnData().size(), GetRegionData(result.Get(), 0, nullptr)) << mode;
        for (int y = -1; y <= 31; ++y)
            for (int x = -1; x <= 41; ++x)
                ASSERT_EQ(mine.Contains({x, y}), PtInRegion(result.Get(), x, y) != 0) << mode << " " << x << "," << y;
    }
    Region moved = a;
    moved.Offset(7, -3);
    const RegionHandle g = ToHrgn(a);
    OffsetRgn(g.Get(), 7, -3);
    EXPECT_EQ(moved, FromHrgn(g.Get()));
    EXPECT_TRUE(FromHrgn(ToHrgn(Region()).Get())->IsEmpty());
}

class GdiDrawingInstalled : public ::testing::Test {
protected:
    GdiDrawing gdi;
};

TEST_F(GdiDrawingInstalled, BitmapsDrawThroughGdiWithSystemColours)
{
    EXPECT_EQ(SysColor(SystemColor::ButtonFace), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(SysColor(SystemColor::InfoBackground), GetSysColor(COLOR_INFOBK));
    Bitmap picture(120, 40);
    EXPECT_NE(dynamic_cast<GdiCanvas*>(&picture.GetCanvas()), nullptr);
    Canvas& c = picture.GetCanvas();
    c.brush.style = BrushStyle::Clear;
    c.font.color = clBlack;
    c.font.name = "Arial";
    c.font.height = -13;
    c.font.bold = true;
    const Size extent = c.TextExtent("Velocitrex!");
    EXPECT_GT(extent.cx, 40);
    EXPECT_GE(extent.cy, 13);
    c.DrawText(picture.Bounds(), "&Velocitrex!", TextFormat::Center | TextFormat::VCenter | TextFormat::SingleLine);
    int dark = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 120; ++x)
            dark += picture.Pixel(x, y) == clBlack;
    EXPECT_GT(dark, 50);
    test::SaveScreen(picture, "gdi-text");

    Bitmap sprite(3, 3);
    sprite.Fill(clLime);
    sprite.SetPixel(1, 1, clBlue);
    picture.Fill(clWhite);
    c.DrawTransparent(4, 4, sprite, clLime);
    EXPECT_EQ(picture.Pixel(5, 5), clBlue);
    EXPECT_EQ(picture.Pixel(4, 4), clWhite);
    c.Draw(10, 10, sprite);
    EXPECT_EQ(picture.Pixel(10, 10), clLime);
    Bitmap copy(6, 6);
    copy.GetCanvas().CopyRect({0, 0, 6, 6}, c, {4, 4, 7, 7});
    EXPECT_EQ(copy.Pixel(0, 0), clWhite);
    EXPECT_EQ(copy.Pixel(2, 2), clBlue);
    EXPECT_EQ(copy.Pixel(3, 3), clBlue);
}

}  // namespace
}  // namespace vx::ui::win32
