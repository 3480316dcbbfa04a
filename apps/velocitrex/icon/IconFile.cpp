#include "apps/velocitrex/icon/IconFile.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <stdexcept>

namespace vx::art {
namespace {

int Channel(std::uint32_t c, int i)
{
    return static_cast<int>((c >> (16 - 8 * i)) & 0xFF);
}

void Put16(std::vector<std::uint8_t>& out, unsigned v)
{
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

std::size_t RowBytes(int width, int bits)
{
    return static_cast<std::size_t>((width * bits + 31) / 32 * 4);
}

// A picture's pixels with the one-bit mask: below half opacity is transparent.
struct Pixels {
    int size;
    std::vector<std::uint32_t> rgb;
    std::vector<float> alpha;
    bool Opaque(int x, int y) const { return alpha[static_cast<std::size_t>(y * size + x)] >= 0.5f; }
    std::uint32_t At(int x, int y) const { return rgb[static_cast<std::size_t>(y * size + x)]; }
};

Pixels Read(const Raster& raster)
{
    if (raster.Width() != raster.Height() || raster.Width() > 255)
        throw std::invalid_argument("icons are square, at most 255 pixels");
    Pixels p{raster.Width(), raster.Pixels(), {}};
    for (int y = 0; y < p.size; ++y)
        for (int x = 0; x < p.size; ++x)
            p.alpha.push_back(raster.Alpha(raster.Area().left + x, raster.Area().top + y));
    return p;
}

void PutHeader(std::vector<std::uint8_t>& out, int size, int bits, std::size_t imageBytes, unsigned colorsUsed)
{
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(size));
    Put32(out, static_cast<std::uint32_t>(size * 2));  // colour rows and mask rows
    Put16(out, 1);
    Put16(out, static_cast<unsigned>(bits));
    Put32(out, 0);
    Put32(out, static_cast<std::uint32_t>(imageBytes));
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, colorsUsed);
    Put32(out, 0);
}

void PutMask(std::vector<std::uint8_t>& out, const Pixels& p)
{
    for (int y = p.size - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(RowBytes(p.size, 1), 0);
        for (int x = 0; x < p.size; ++x)
            if (!p.Opaque(x, y))
                row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        out.insert(out.end(), row.begin(), row.end());
    }
}

std::vector<std::uint8_t> Image8(const Pixels& p)
{
    std::vector<std::uint32_t> opaque;
    for (int y = 0; y < p.size; ++y)
        for (int x = 0; x < p.size; ++x)
            if (p.Opaque(x, y))
                opaque.push_back(p.At(x, y));
    // Entry 0 is black: transparent pixels show the screen through it.
    const ColorTable table(opaque, 255);
    std::vector<std::uint32_t> colors{0};
    colors.insert(colors.end(), table.Colors().begin(), table.Colors().end());
    colors.resize(256, 0);

    std::vector<std::uint8_t> out;
    PutHeader(out, p.size, 8, (RowBytes(p.size, 8) + RowBytes(p.size, 1)) * static_cast<std::size_t>(p.size), 256);
    for (std::uint32_t c : colors)
        Put32(out, c);  // RGBQUAD: blue, green, red, 0 is 0x00RRGGBB little-endian
    for (int y = p.size - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(RowBytes(p.size, 8), 0);
        for (int x = 0; x < p.size; ++x)
            row[static_cast<std::size_t>(x)] =
                p.Opaque(x, y) ? static_cast<std::uint8_t>(table.Nearest(p.At(x, y)) + 1) : 0;
        out.insert(out.end(), row.begin(), row.end());
    }
    PutMask(out, p);
    return out;
}

std::vector<std::uint8_t> Image32(const Pixels& p)
{
    std::vector<std::uint8_t> out;
    PutHeader(out, p.size, 32, (RowBytes(p.size, 32) + RowBytes(p.size, 1)) * static_cast<std::size_t>(p.size), 0);
    for (int y = p.size - 1; y >= 0; --y) {
        for (int x = 0; x < p.size; ++x) {
            const auto a = static_cast<std::uint32_t>(std::lround(p.alpha[static_cast<std::size_t>(y * p.size + x)] * 255));
            Put32(out, a == 0 ? 0 : (a << 24 | p.At(x, y)));
        }
    }
    PutMask(out, p);
    return out;
}

// One box of colours for the median cut.
struct Bucket {
    std::vector<std::pair<std::uint32_t, std::size_t>> colors;  // colour, how often
    int Widest(int* range) const
    {
        int best = 0;
        *range = -1;
        for (int i = 0; i < 3; ++i) {
            int lo = 255, hi = 0;
            for (const auto& [c, n] : colors) {
                lo = std::min(lo, Channel(c, i));
                hi = std::max(hi, Channel(c, i));
            }
            if (hi - lo > *range) {
                *range = hi - lo;
                best = i;
            }
        }
        return best;
    }
};

}  // namespace

ColorTable::ColorTable(const std::vector<std::uint32_t>& colors, std::size_t count)
{
    std::map<std::uint32_t, std::size_t> counts;
    for (std::uint32_t c : colors)
        ++counts[c];
    std::vector<Bucket> buckets(1);
    buckets[0].colors.assign(counts.begin(), counts.end());
    if (buckets[0].colors.empty())
        return;
    while (buckets.size() < count) {
        // Split the bucket with the widest spread at the median of that channel.
        std::size_t pick = 0;
        int pickRange = -1, pickChannel = 0;
        for (std::size_t i = 0; i < buckets.size(); ++i) {
            int range = 0;
            const int channel = buckets[i].Widest(&range);
            if (buckets[i].colors.size() > 1 && range > pickRange) {
                pick = i;
                pickRange = range;
                pickChannel = channel;
            }
        }
        if (pickRange <= 0)
            break;
        auto& list = buckets[pick].colors;
        std::sort(list.begin(), list.end(),
                  [&](const auto& a, const auto& b) { return Channel(a.first, pickChannel) < Channel(b.first, pickChannel); });
        Bucket upper;
        upper.colors.assign(list.begin() + static_cast<std::ptrdiff_t>(list.size() / 2), list.end());
        list.resize(list.size() / 2);
        buckets.push_back(std::move(upper));
    }
    for (const Bucket& b : buckets) {
        double sum[3] = {0, 0, 0};
        double weight = 0;
        for (const auto& [c, n] : b.colors) {
            for (int i = 0; i < 3; ++i)
                sum[i] += Channel(c, i) * static_cast<double>(n);
            weight += static_cast<double>(n);
        }
        std::uint32_t mean = 0;
        for (int i = 0; i < 3; ++i)
            mean = mean << 8 | static_cast<std::uint32_t>(std::lround(sum[i] / weight));
        table_.push_back(mean);
    }
}

std::uint8_t ColorTable::Nearest(std::uint32_t color) const
{
    std::size_t best = 0;
    int bestDistance = 1 << 30;
    for (std::size_t i = 0; i < table_.size(); ++i) {
        int d = 0;
        for (int c = 0; c < 3; ++c) {
            const int delta = Channel(color, c) - Channel(table_[i], c);
            d += delta * delta;
        }
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return static_cast<std::uint8_t>(best);
}

std::vector<std::uint8_t> MakeIconFile(const std::vector<Raster>& sizes)
{
    std::vector<std::pair<int, std::vector<std::uint8_t>>> images;  // bits, image
    for (const Raster& r : sizes)
        images.emplace_back(8, Image8(Read(r)));
    for (const Raster& r : sizes)
        images.emplace_back(32, Image32(Read(r)));

    std::vector<std::uint8_t> out;
    Put16(out, 0);
    Put16(out, 1);  // icon
    Put16(out, static_cast<unsigned>(images.size()));
    std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const int size = sizes[i % sizes.size()].Width();
        out.push_back(static_cast<std::uint8_t>(size));
        out.push_back(static_cast<std::uint8_t>(size));
        out.push_back(0);  // colour count: 0 for 256 colours and more
        out.push_back(0);
        Put16(out, 1);
        Put16(out, static_cast<unsigned>(images[i].first));
        Put32(out, static_cast<std::uint32_t>(images[i].second.size()));
        Put32(out, offset);
        offset += static_cast<std::uint32_t>(images[i].second.size());
    }
    for (const auto& [bits, image] : images)
        out.insert(out.end(), image.begin(), image.end());
    return out;
}

}  // namespace vx::art
