// Bitmaps: pixels, resizing, and BMP files in and out.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "tests/ui/graphics/Screens.h"
#include "ui/Bitmap.h"
#include "ui/Canvas.h"

namespace vx::ui {
namespace {

void Put16(std::vector<std::uint8_t>& b, int v)
{
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Put32(std::vector<std::uint8_t>& b, std::int64_t v)
{
    for (int i = 0; i < 4; ++i)
        b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

// A paletted BMP file: rows given top to bottom as already packed bytes.
std::vector<std::uint8_t> PalettedBmp(int width, int height, int bits, const std::vector<std::uint32_t>& palette,
                                      const std::vector<std::vector<std::uint8_t>>& rows, bool topDown)
{
    const size_t stride = ((static_cast<size_t>(width) * static_cast<size_t>(bits) + 31) / 32) * 4;
    const size_t offset = 14 + 40 + 4 * palette.size();
    std::vector<std::uint8_t> b = {'B', 'M'};
    Put32(b, static_cast<std::int64_t>(offset + stride * static_cast<size_t>(height)));
    Put32(b, 0);
    Put32(b, static_cast<std::int64_t>(offset));
    Put32(b, 40);
    Put32(b, width);
    Put32(b, topDown ? -height : height);
    Put16(b, 1);
    Put16(b, bits);
    Put32(b, 0);
    Put32(b, 0);
    Put32(b, 0);
    Put32(b, 0);
    Put32(b, static_cast<std::int64_t>(palette.size()));
    Put32(b, 0);
    for (std::uint32_t c : palette)
        Put32(b, c);  // B, G, R, 0
    for (int y = 0; y < height; ++y) {
        const auto& row = rows[static_cast<size_t>(topDown ? y : height - 1 - y)];
        std::vector<std::uint8_t> padded(row);
        padded.resize(stride, 0);
        b.insert(b.end(), padded.begin(), padded.end());
    }
    return b;
}

TEST(BitmapPixels, NewPicturesAreWhiteAndResizeKeepsTheTopLeft)
{
    Bitmap b(4, 3);
    EXPECT_EQ(b.Pixel(3, 2), clWhite);
    b.SetPixel(1, 1, clRed);
    b.SetPixel(4, 0, clRed);  // outside: ignored
    EXPECT_EQ(b.Pixel(4, 0), InvalidColor);
    Canvas& canvas = b.GetCanvas();
    b.Resize(6, 2);
    EXPECT_EQ(&canvas, &b.GetCanvas());
    EXPECT_EQ(b.Pixel(1, 1), clRed);
    EXPECT_EQ(b.Pixel(5, 1), clWhite);
    canvas.brush.color = clBlue;
    canvas.FillRect({5, 0, 6, 2});
    EXPECT_EQ(b.Pixel(5, 1), clBlue);
    b.Resize(0, 5);
    EXPECT_TRUE(b.Empty());
    Bitmap copy(b);
    EXPECT_TRUE(copy.Empty());
}

TEST(BitmapPixels, CopiesAreDeep)
{
    Bitmap a(2, 2);
    Bitmap b = a;
    b.SetPixel(0, 0, clRed);
    EXPECT_EQ(a.Pixel(0, 0), clWhite);
    EXPECT_FALSE(SamePixels(a, b));
    a = b;
    EXPECT_TRUE(SamePixels(a, b));
    Bitmap moved = std::move(a);
    EXPECT_EQ(moved.Pixel(0, 0), clRed);
    a.Resize(1, 1);  // a moved-from picture is still a picture
    EXPECT_EQ(a.Pixel(0, 0), clWhite);
}

TEST(BitmapFiles, SaveAndLoadRoundTripBothDepths)
{
    Bitmap picture(5, 3);  // odd width: rows are padded in the file
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            picture.SetPixel(x, y, Rgb(x * 50, y * 100, 7 + x + y));
    for (int bits : {24, 32}) {
        Bitmap loaded;
        ASSERT_TRUE(loaded.LoadBmp(picture.ToBmp(bits))) << bits;
        EXPECT_TRUE(SamePixels(picture, loaded)) << bits;
    }
    const std::string path = test::SaveScreen(picture, "bitmap-roundtrip");
    Bitmap fromFile;
    ASSERT_TRUE(fromFile.LoadBmp(path));
    EXPECT_TRUE(SamePixels(picture, fromFile));
}

TEST(BitmapFiles, PalettedPicturesOfEachDepth)
{
    const std::vector<std::uint32_t> palette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};  // 0x00RRGGBB
    struct Case {
        const char* name;
        int bits;
        std::vector<std::vector<std::uint8_t>> rows;  // 3 pixels: palette 1, 2, 3 then 3, 0, 1
    };
    const std::vector<Case> cases = {
        {"1 bit", 1, {{0b01100000}, {0b10100000}}},
        {"4 bits", 4, {{0x12, 0x30}, {0x30, 0x10}}},
        {"8 bits", 8, {{1, 2, 3}, {3, 0, 1}}},
    };
    for (bool topDown : {false, true}) {
        for (const Case& c : cases) {
            std::vector<std::uint32_t> pal = palette;
            pal.resize(c.bits == 1 ? 2 : 4);
            Bitmap b;
            ASSERT_TRUE(b.LoadBmp(PalettedBmp(3, 2, c.bits, pal, c.rows, topDown))) << c.name;
            ASSERT_EQ(b.GetSize(), (Size{3, 2})) << c.name;
            if (c.bits == 1) {
                EXPECT_EQ(b.Pixel(0, 0), clBlack) << c.name;
                EXPECT_EQ(b.Pixel(1, 0), clRed) << c.name;
                EXPECT_EQ(b.Pixel(0, 1), clRed) << c.name;
                continue;
            }
            EXPECT_EQ(b.Pixel(0, 0), clRed) << c.name;
            EXPECT_EQ(b.Pixel(1, 0), clLime) << c.name;
            EXPECT_EQ(b.Pixel(2, 0), clBlue) << c.name;
            EXPECT_EQ(b.Pixel(0, 1), clBlue) << c.name;
            EXPECT_EQ(b.Pixel(1, 1), clBlack) << c.name;
        }
    }
}

TEST(BitmapFiles, BrokenFilesAreRefusedAndLeaveThePicture)
{
    Bitmap picture(2, 2);
    picture.SetPixel(0, 0, clRed);
    const std::vector<std::uint8_t> good = picture.ToBmp(24);
    auto patched = [&](size_t at, std::uint32_t value) {
        std::vector<std::uint8_t> b = good;
        std::memcpy(b.data() + at, &value, 4);
        return b;
    };
    struct Bad {
        const char* name;
        std::vector<std::uint8_t> bytes;
    };
    const std::vector<Bad> cases = {
        {"empty", {}},
        {"not BM", patched(0, 0x4141)},
        {"pixels cut short", std::vector<std::uint8_t>(good.begin(), good.end() - 1)},
        {"run-length compressed", patched(30, 1)},
        {"16 bits", patched(28, 16)},
        {"zero width", patched(18, 0)},
        {"enormous height", patched(22, 0x7FFFFFFF)},
        // Once std::abs(INT_MIN), undefined behaviour that the sanitizer builds stop at.
        {"the most negative height", patched(22, 0x80000000)},
        {"negative width", patched(18, 0x80000000)},
        {"pixel offset past the end", patched(10, 0xFFFFFF00)},
    };
    for (const Bad& c : cases) {
        Bitmap b(1, 1);
        EXPECT_FALSE(b.LoadBmp(c.bytes)) << c.name;
        EXPECT_EQ(b.GetSize(), (Size{1, 1})) << c.name;
    }
    Bitmap missing;
    EXPECT_FALSE(missing.LoadBmp(std::string("/nonexistent/dir/x.bmp")));
    EXPECT_FALSE(picture.SaveBmp("/nonexistent/dir/x.bmp"));
    EXPECT_FALSE(picture.SaveBmp("x.bmp", 16));
}

}  // namespace
}  // namespace vx::ui
