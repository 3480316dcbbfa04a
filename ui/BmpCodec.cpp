#include "ui/BmpCodec.h"

#include <cstdint>

namespace vx::ui {

namespace {

constexpr size_t FileHeaderSize = 14;
constexpr size_t InfoHeaderSize = 40;
constexpr std::uint32_t BiRgb = 0;
constexpr std::uint32_t BiBitfields = 3;
constexpr int MaxDimension = 1 << 15;

std::uint32_t U32(std::span<const std::uint8_t> b, size_t at)
{
    return static_cast<std::uint32_t>(b[at]) | (static_cast<std::uint32_t>(b[at + 1]) << 8) |
           (static_cast<std::uint32_t>(b[at + 2]) << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

std::uint16_t U16(std::span<const std::uint8_t> b, size_t at)
{
    return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

struct BmpLayout {
    int width = 0;
    int height = 0;
    bool topDown = false;
    int bits = 0;
    size_t pixelOffset = 0;
    size_t stride = 0;
    std::vector<std::uint32_t> palette;
};

std::optional<BmpLayout> ReadLayout(std::span<const std::uint8_t> file)
{
    if (file.size() < FileHeaderSize + 12 || file[0] != 'B' || file[1] != 'M')
        return std::nullopt;
    const std::uint32_t infoSize = U32(file, 14);
    if (infoSize < InfoHeaderSize || FileHeaderSize + infoSize > file.size())
        return std::nullopt;
    BmpLayout layout;
    const auto width = static_cast<std::int32_t>(U32(file, 18));
    const auto height = static_cast<std::int32_t>(U32(file, 22));
    layout.bits = U16(file, 28);
    const std::uint32_t compression = U32(file, 30);
    const bool bitfields32 = compression == BiBitfields && layout.bits == 32;
    if (U16(file, 26) != 1 || (compression != BiRgb && !bitfields32))
        return std::nullopt;
    // Bit fields are read only in the ordinary 8-8-8 layout.
    const size_t masksAt = FileHeaderSize + InfoHeaderSize;
    if (bitfields32 && (masksAt + 12 > file.size() || U32(file, masksAt) != 0xFF0000 ||
                        U32(file, masksAt + 4) != 0xFF00 || U32(file, masksAt + 8) != 0xFF))
        return std::nullopt;
    // In 64 bits: the magnitude of the most negative height does not fit an int.
    const std::int64_t rows = height < 0 ? -std::int64_t{height} : std::int64_t{height};
    if (width <= 0 || rows == 0 || width > MaxDimension || rows > MaxDimension)
        return std::nullopt;
    if (layout.bits != 1 && layout.bits != 4 && layout.bits != 8 && layout.bits != 24 && layout.bits != 32)
        return std::nullopt;
    layout.width = width;
    layout.topDown = height < 0;
    layout.height = static_cast<int>(rows);
    layout.pixelOffset = U32(file, 10);
    layout.stride = ((static_cast<size_t>(width) * static_cast<size_t>(layout.bits) + 31) / 32) * 4;
    if (layout.bits <= 8) {
        std::uint32_t colors = U32(file, 46);
        if (colors == 0 || colors > (1u << layout.bits))
            colors = 1u << layout.bits;
        const size_t paletteAt = FileHeaderSize + infoSize;
        if (paletteAt + 4 * static_cast<size_t>(colors) > file.size())
            return std::nullopt;
        for (std::uint32_t i = 0; i < colors; ++i)
            layout.palette.push_back(U32(file, paletteAt + 4 * i) & 0xFFFFFF);
    }
    const std::uint64_t imageBytes = static_cast<std::uint64_t>(layout.stride) * static_cast<std::uint64_t>(layout.height);
    if (layout.pixelOffset > file.size() || file.size() - layout.pixelOffset < imageBytes)
        return std::nullopt;
    return layout;
}

std::uint32_t ReadPixel(const BmpLayout& layout, const std::uint8_t* row, int x)
{
    const auto ux = static_cast<size_t>(x);
    switch (layout.bits) {
    case 24:
    case 32: {
        const std::uint8_t* p = row + ux * static_cast<size_t>(layout.bits / 8);
        return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
               (static_cast<std::uint32_t>(p[2]) << 16);
    }
    default: {
        const size_t bit = ux * static_cast<size_t>(layout.bits);
        const int shift = 8 - layout.bits - static_cast<int>(bit % 8);
        const unsigned index = (row[bit / 8] >> shift) & ((1u << layout.bits) - 1);
        // An index past a short palette reads as black, as GDI shows it.
        return index < layout.palette.size() ? layout.palette[index] : 0;
    }
    }
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

void PutU16(std::vector<std::uint8_t>& out, std::uint16_t v)
{
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

}  // namespace

std::optional<DecodedBmp> DecodeBmp(std::span<const std::uint8_t> file)
{
    const std::optional<BmpLayout> layout = ReadLayout(file);
    if (!layout)
        return std::nullopt;
    DecodedBmp bmp{layout->width, layout->height, {}};
    bmp.pixels.resize(static_cast<size_t>(bmp.width) * static_cast<size_t>(bmp.height));
    for (int y = 0; y < bmp.height; ++y) {
        const int fileRow = layout->topDown ? y : bmp.height - 1 - y;
        const std::uint8_t* row = file.data() + layout->pixelOffset + layout->stride * static_cast<size_t>(fileRow);
        for (int x = 0; x < bmp.width; ++x)
            bmp.pixels[static_cast<size_t>(y) * static_cast<size_t>(bmp.width) + static_cast<size_t>(x)] =
                ReadPixel(*layout, row, x);
    }
    return bmp;
}

std::vector<std::uint8_t> EncodeBmp(int width, int height, const std::uint32_t* pixels, int bitsPerPixel)
{
    const int bytesPerPixel = bitsPerPixel == 32 ? 4 : 3;
    const size_t stride = ((static_cast<size_t>(width) * static_cast<size_t>(bytesPerPixel) + 3) / 4) * 4;
    const size_t imageSize = stride * static_cast<size_t>(height);
    std::vector<std::uint8_t> out;
    out.reserve(FileHeaderSize + InfoHeaderSize + imageSize);
    out.push_back('B');
    out.push_back('M');
    PutU32(out, static_cast<std::uint32_t>(FileHeaderSize + InfoHeaderSize + imageSize));
    PutU32(out, 0);
    PutU32(out, FileHeaderSize + InfoHeaderSize);
    PutU32(out, InfoHeaderSize);
    PutU32(out, static_cast<std::uint32_t>(width));
    PutU32(out, static_cast<std::uint32_t>(height));  // bottom-up, as most readers expect
    PutU16(out, 1);
    PutU16(out, static_cast<std::uint16_t>(bytesPerPixel * 8));
    PutU32(out, BiRgb);
    PutU32(out, static_cast<std::uint32_t>(imageSize));
    PutU32(out, 3780);  // 96 dpi in pixels per metre
    PutU32(out, 3780);
    PutU32(out, 0);
    PutU32(out, 0);
    for (int y = height - 1; y >= 0; --y) {
        const std::uint32_t* row = pixels + static_cast<size_t>(y) * static_cast<size_t>(width);
        const size_t rowStart = out.size();
        for (int x = 0; x < width; ++x) {
            const std::uint32_t p = row[x];
            out.push_back(static_cast<std::uint8_t>(p));
            out.push_back(static_cast<std::uint8_t>(p >> 8));
            out.push_back(static_cast<std::uint8_t>(p >> 16));
            if (bytesPerPixel == 4)
                out.push_back(0);
        }
        out.resize(rowStart + stride, 0);
    }
    return out;
}

}  // namespace vx::ui
