// The icon file: a directory of 256-colour and 32-bit images at three sizes, each
// a bitmap twice as high as wide (colours, then the one-bit mask).
#include "apps/velocitrex/icon/IconFile.h"

#include <gtest/gtest.h>

#include "apps/velocitrex/art/Pictures.h"

namespace vx::art {
namespace {

unsigned U16(const std::vector<std::uint8_t>& b, std::size_t at)
{
    return b.at(at) | b.at(at + 1) << 8;
}

std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at)
{
    return U16(b, at) | static_cast<std::uint32_t>(U16(b, at + 2)) << 16;
}

// Whether the AND-mask bit of pixel (x, y) (top-down) is set: transparent.
bool MaskBit(const std::vector<std::uint8_t>& file, std::size_t image, int size, int bits, int x, int y)
{
    const std::size_t palette = bits == 8 ? 1024 : 0;
    const std::size_t colorRow = static_cast<std::size_t>((size * bits + 31) / 32 * 4);
    const std::size_t maskRow = static_cast<std::size_t>((size + 31) / 32 * 4);
    const std::size_t mask = image + 40 + palette + colorRow * static_cast<std::size_t>(size);
    const std::uint8_t byte = file.at(mask + maskRow * static_cast<std::size_t>(size - 1 - y) + static_cast<std::size_t>(x / 8));
    return (byte & (0x80 >> (x % 8))) != 0;
}

TEST(IconFile, DirectoryDescribesEachImage)
{
    const std::vector<std::uint8_t> file = MakeIconFile({IconPicture(16), IconPicture(32), IconPicture(48)});
    ASSERT_GE(file.size(), 6u);
    EXPECT_EQ(U16(file, 0), 0u);
    EXPECT_EQ(U16(file, 2), 1u);
    ASSERT_EQ(U16(file, 4), 6u);
    const struct {
        int size, bits;
    } expected[] = {{16, 8}, {32, 8}, {48, 8}, {16, 32}, {32, 32}, {48, 32}};
    std::size_t next = 6 + 16 * 6;
    for (std::size_t i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        const std::size_t entry = 6 + 16 * i;
        const int size = expected[i].size, bits = expected[i].bits;
        EXPECT_EQ(file[entry], size);
        EXPECT_EQ(file[entry + 1], size);
        EXPECT_EQ(U16(file, entry + 6), static_cast<unsigned>(bits));
        const std::uint32_t bytes = U32(file, entry + 8), offset = U32(file, entry + 12);
        EXPECT_EQ(offset, next);  // images follow each other without gaps
        next = offset + bytes;
        ASSERT_LE(next, file.size());
        EXPECT_EQ(U32(file, offset), 40u);
        EXPECT_EQ(U32(file, offset + 4), static_cast<std::uint32_t>(size));
        EXPECT_EQ(U32(file, offset + 8), static_cast<std::uint32_t>(2 * size));
        EXPECT_EQ(U16(file, offset + 14), static_cast<unsigned>(bits));
        const std::size_t palette = bits == 8 ? 1024 : 0;
        const std::size_t expectedBytes = 40 + palette + static_cast<std::size_t>(size) *
            (static_cast<std::size_t>((size * bits + 31) / 32 * 4) + static_cast<std::size_t>((size + 31) / 32 * 4));
        EXPECT_EQ(bytes, expectedBytes);
        // The round emblem: corners transparent, the middle opaque.
        EXPECT_TRUE(MaskBit(file, offset, size, bits, 0, 0));
        EXPECT_TRUE(MaskBit(file, offset, size, bits, size - 1, size - 1));
        EXPECT_FALSE(MaskBit(file, offset, size, bits, size / 2, size / 2));
    }
    EXPECT_EQ(next, file.size());
}

TEST(IconFile, ColourTableKeepsFewColoursExactlyAndBoundsMany)
{
    const ColorTable few({0xFF0000, 0x00FF00, 0x00FF00, 0x0000FF}, 255);
    EXPECT_EQ(few.Colors().size(), 3u);
    for (std::uint32_t c : {0xFF0000u, 0x00FF00u, 0x0000FFu})
        EXPECT_EQ(few.Colors().at(few.Nearest(c)), c);

    std::vector<std::uint32_t> many;
    for (std::uint32_t i = 0; i < 4096; ++i)
        many.push_back((i * 2654435761u) & 0xFFFFFF);
    const ColorTable bounded(many, 255);
    EXPECT_LE(bounded.Colors().size(), 255u);
    EXPECT_GE(bounded.Colors().size(), 200u);
}

}  // namespace
}  // namespace vx::art
