#pragma once
// Lays shapes on a raster: fills with anti-aliased edges, and soft shadows or
// glows made by blurring a shape's coverage.
#include <algorithm>
#include <cmath>
#include <vector>

#include "apps/velocitrex/art/Paint.h"
#include "apps/velocitrex/art/Raster.h"
#include "apps/velocitrex/art/Shapes.h"

namespace vx::art {

// The whole pixels an extent touches.
Box PixelsOf(const Extent& extent);
Box Clipped(const Box& box, const Box& to);

// Coverage of the pixel whose centre is at distance d from the edge.
inline float CoverageAt(double d)
{
    return static_cast<float>(std::clamp(0.5 - d, 0.0, 1.0));
}

// The distance beyond which a pixel's centre is not covered at all.
constexpr double NoCoverage = 0.5;

// Distances change no faster than the point moves, so one distance at the middle
// of a tile tells whether the whole tile is outside, inside, or needs each pixel.
constexpr int FillTile = 8;
constexpr double TileReach = FillTile * 0.7072 * 1.5 + 1;  // half diagonal, with room for tapered shapes

template <class Shape, class PaintFn>
void Fill(Raster& raster, const Shape& shape, const PaintFn& paint, float opacity = 1)
{
    const Box box = Clipped(PixelsOf(shape.Bounds().Grown(1)), raster.Area());
    for (int ty = box.top; ty < box.bottom; ty += FillTile) {
        for (int tx = box.left; tx < box.right; tx += FillTile) {
            const int right = std::min(tx + FillTile, box.right), bottom = std::min(ty + FillTile, box.bottom);
            const double centre = DistanceWithin(shape, (tx + right) / 2.0, (ty + bottom) / 2.0, TileReach + 1);
            if (centre > TileReach)
                continue;
            const bool inside = centre < -TileReach;
            for (int y = ty; y < bottom; ++y) {
                for (int x = tx; x < right; ++x) {
                    const double px = x + 0.5, py = y + 0.5;
                    const float cover = inside ? 1.0f : CoverageAt(DistanceWithin(shape, px, py, NoCoverage));
                    if (cover <= 0)
                        continue;
                    const Rgba c = paint(px, py);
                    raster.Blend(x, y, c.rgb, cover * c.a * opacity);
                }
            }
        }
    }
}

template <class Shape>
void Fill(Raster& raster, const Shape& shape, Rgb color, float opacity = 1)
{
    Fill(raster, shape, Solid(color), opacity);
}

// Coverage of a shape over a box, blurred by about `radius` pixels.
std::vector<float> BlurredCoverage(const Box& box, const std::vector<float>& coverage, int radius);

// A soft copy of the shape moved by (dx, dy): a drop shadow, or a glow with no
// offset. The blur covers the whole shape whatever part of it the raster holds,
// so a piece of a picture comes out as the same pixels as the whole.
template <class Shape>
void Shadow(Raster& raster, const Shape& shape, double dx, double dy, int radius, Rgb color, float opacity)
{
    const Moved<const Shape&> moved{shape, dx, dy};
    const Box box = PixelsOf(moved.Bounds().Grown(radius * 2 + 2));
    const Box shown = Clipped(box, raster.Area());
    if (shown.Width() <= 0 || shown.Height() <= 0)
        return;
    std::vector<float> coverage(static_cast<std::size_t>(box.Width() * box.Height()));
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x)
            coverage[static_cast<std::size_t>((y - box.top) * box.Width() + (x - box.left))] =
                CoverageAt(DistanceWithin(moved, x + 0.5, y + 0.5, NoCoverage));
    const std::vector<float> soft = BlurredCoverage(box, coverage, radius);
    for (int y = shown.top; y < shown.bottom; ++y)
        for (int x = shown.left; x < shown.right; ++x)
            raster.Blend(x, y, color, soft[static_cast<std::size_t>((y - box.top) * box.Width() + (x - box.left))] * opacity);
}

}  // namespace vx::art
