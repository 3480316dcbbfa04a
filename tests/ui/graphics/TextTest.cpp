// Text: DrawText's layout rules with a fixed-width measure, and the software
// canvas's pixel font.
#include <gtest/gtest.h>

#include "tests/ui/graphics/CanvasFixture.h"
#include "tests/ui/graphics/Screens.h"
#include "ui/TextLayout.h"

namespace vx::ui {
namespace {

// Every character 5 pixels wide, lines 10 pixels high.
TextLayout Lay(const Rect& r, std::string_view text, TextFormat format)
{
    return LayoutText(r, text, format, [](std::string_view s) { return static_cast<int>(s.size()) * 5; }, 10);
}

struct LayoutCase {
    const char* name;
    Rect rect;
    const char* text;
    TextFormat format;
    std::vector<TextLine> lines;  // text, x, y (width and underline checked where given)
};

TEST(TextLayoutRules, AlignmentBreaksAndPrefixes)
{
    using enum TextFormat;
    const std::vector<LayoutCase> cases = {
        {"left top", {10, 20, 110, 60}, "abc", Left, {{"abc", 10, 20}}},
        {"centred both ways on one line", {0, 0, 100, 40}, "abcd", Center | VCenter | SingleLine, {{"abcd", 40, 15}}},
        {"right and bottom", {0, 0, 100, 40}, "ab", Right | Bottom | SingleLine, {{"ab", 90, 30}}},
        {"vertical centring needs one line", {0, 0, 100, 40}, "ab", VCenter, {{"ab", 0, 0}}},
        {"line feeds", {0, 0, 100, 40}, "ab\r\ncd\nef", Left, {{"ab", 0, 0}, {"cd", 0, 10}, {"ef", 0, 20}}},
        {"single line ignores breaks", {0, 0, 100, 40}, "ab\ncd", SingleLine, {{"abcd", 0, 0}}},
        {"word break", {0, 0, 30, 40}, "one two three", WordBreak, {{"one", 0, 0}, {"two", 0, 10}, {"three", 0, 20}}},
        {"long word stays whole", {0, 0, 20, 40}, "abcdefgh ij", WordBreak, {{"abcdefgh", 0, 0}, {"ij", 0, 10}}},
        {"ellipsis", {0, 0, 30, 10}, "abcdefgh", SingleLine | EndEllipsis, {{"abc...", 0, 0}}},
        {"tabs", {0, 0, 100, 10}, "a\tb", ExpandTabs, {{"a       b", 0, 0}}},
        {"prefix underlines", {0, 0, 100, 10}, "&Next && more", Left, {{"Next & more", 0, 0, 55, 0}}},
        {"no prefix keeps ampersands", {0, 0, 100, 10}, "&Next", NoPrefix, {{"&Next", 0, 0, 25, -1}}},
    };
    for (const LayoutCase& c : cases) {
        const TextLayout layout = Lay(c.rect, c.text, c.format);
        ASSERT_EQ(layout.lines.size(), c.lines.size()) << c.name;
        for (size_t i = 0; i < c.lines.size(); ++i) {
            EXPECT_EQ(layout.lines[i].text, c.lines[i].text) << c.name;
            EXPECT_EQ(layout.lines[i].x, c.lines[i].x) << c.name;
            EXPECT_EQ(layout.lines[i].y, c.lines[i].y) << c.name;
            if (c.lines[i].width) {
                EXPECT_EQ(layout.lines[i].underline, c.lines[i].underline) << c.name;
            }
        }
    }
}

TEST(TextLayoutRules, CalcRectAndResult)
{
    const TextLayout one = Lay({10, 10, 200, 100}, "abcd", TextFormat::SingleLine | TextFormat::CalcRect);
    EXPECT_EQ(one.bounds, (Rect{10, 10, 30, 20}));
    EXPECT_EQ(one.result, 10);
    const TextLayout wrapped = Lay({0, 0, 30, 100}, "one two three", TextFormat::WordBreak | TextFormat::CalcRect);
    EXPECT_EQ(wrapped.bounds, (Rect{0, 0, 25, 30}));
    // With VCenter the result runs from the top of the rectangle to the text's bottom.
    EXPECT_EQ(Lay({0, 0, 100, 40}, "ab", TextFormat::SingleLine | TextFormat::VCenter).result, 25);
}

TEST(SoftCanvasText, ExtentsAndBackground)
{
    Bitmap picture = test::Blank(60, 30);
    Canvas& c = picture.GetCanvas();
    c.font.color = clBlack;
    const Size ab = c.TextExtent("ab");
    EXPECT_EQ(ab.cy, 13);  // as 8-point MS Sans Serif
    EXPECT_EQ(ab.cx, c.TextWidth("a") + c.TextWidth("b"));
    EXPECT_GT(c.TextWidth("W"), c.TextWidth("i"));
    EXPECT_EQ(c.TextExtent("").cy, 13);
    c.font.bold = true;
    EXPECT_GT(c.TextWidth("ab"), ab.cx);
    c.font.bold = false;
    c.font.height = -13;
    EXPECT_EQ(c.TextHeight("a"), 15);  // as 13-pixel Arial
    c.font.height = -22;
    EXPECT_EQ(c.TextHeight("a"), 26);

    c.font.height = -11;
    c.TextOut(2, 2, "H");  // opaque: the cell is filled with the brush colour
    EXPECT_EQ(picture.Pixel(2, 2), clRed);
    EXPECT_EQ(picture.Pixel(2, 5), clBlack);  // left stem of H
    EXPECT_EQ(c.PenPos(), (Point{2 + c.TextWidth("H"), 2}));
    c.brush.style = BrushStyle::Clear;
    c.TextOut(30, 2, "H");
    EXPECT_EQ(picture.Pixel(30, 2), clWhite);
    EXPECT_EQ(picture.Pixel(30, 5), clBlack);
}

TEST(SoftCanvasText, DrawTextClipsAndUnderlinesTheAccelerator)
{
    Bitmap picture = test::Blank(60, 30);
    Canvas& c = picture.GetCanvas();
    c.font.color = clBlack;
    c.DrawText(Rect{0, 0, 3, 20}, "M", TextFormat::Left);
    EXPECT_EQ(picture.Pixel(0, 4), clBlack);
    EXPECT_EQ(picture.Pixel(6, 4), clWhite);  // right stem of M clipped away
    c.DrawText(Rect{0, 0, 3, 20}, "M", TextFormat::Left | TextFormat::NoClip);
    EXPECT_EQ(picture.Pixel(6, 4), clBlack);

    Bitmap underlined = test::Blank(60, 30);
    underlined.GetCanvas().font.color = clBlack;
    underlined.GetCanvas().DrawText(Rect{0, 0, 60, 30}, "&o", TextFormat::Left);
    Bitmap plain = test::Blank(60, 30);
    plain.GetCanvas().font.color = clBlack;
    plain.GetCanvas().DrawText(Rect{0, 0, 60, 30}, "o", TextFormat::Left);
    EXPECT_EQ(plain.Pixel(1, 10), clWhite);
    EXPECT_EQ(underlined.Pixel(1, 10), clBlack);
}

TEST(SoftCanvasText, RenderingOfTheWholeFont)
{
    Bitmap picture(420, 110);
    Canvas& c = picture.GetCanvas();
    c.brush.style = BrushStyle::Clear;
    c.font.color = clBlack;
    std::string all;
    for (int ch = 32; ch < 127; ++ch)
        all.push_back(static_cast<char>(ch));
    c.TextOut(4, 4, all.substr(0, 48));
    c.TextOut(4, 20, all.substr(48));
    c.TextOut(4, 36, "\xC4\xD6\xDC \xE4\xF6\xFC\xDF \xE9\xE8\xE0\xE7 \xA9 \xAE 25\xB0 \xAB \xBB");
    c.font.bold = true;
    c.TextOut(4, 52, "Bold: Automatically velocitrex my system.");
    c.font.bold = false;
    c.font.underline = true;
    c.TextOut(4, 68, "Underlined text");
    c.font.underline = false;
    c.font.italic = true;
    c.TextOut(200, 68, "Italic text");
    c.font.italic = false;
    c.font.height = -24;
    c.TextOut(4, 80, "Scaled x2");
    test::SaveScreen(picture, "soft-font");
    // The art uses every row it claims: something is drawn in each line of text.
    int dark = 0;
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            dark += picture.Pixel(x, y) == clBlack;
    EXPECT_GT(dark, 1000);
}

}  // namespace
}  // namespace vx::ui
