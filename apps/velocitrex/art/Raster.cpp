#include "apps/velocitrex/art/Raster.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace vx::art {
namespace {

// Rounded half away from zero, as lround does, without its cost per call: in
// double, v + 0.5 is exact for every float.
std::uint32_t Channel(float v)
{
    return static_cast<std::uint32_t>(static_cast<double>(std::clamp(v, 0.0f, 255.0f)) + 0.5);
}

}  // namespace

Raster::Raster(Box area, Rgb fill)
    : area_(area), pixels_(static_cast<std::size_t>(std::max(0, area.Width()) * std::max(0, area.Height())), fill)
{
}

Raster Raster::Transparent(Box area)
{
    Raster raster(area);
    raster.alpha_.assign(raster.pixels_.size(), 0.0f);
    return raster;
}

void Raster::BlendTransparent(std::size_t index, Rgb c, float alpha)
{
    // Over a partly transparent pixel: the new colour's share of the result.
    alpha = std::min(alpha, 1.0f);
    float& a = alpha_[index];
    const float result = a + alpha * (1 - a);
    pixels_[index] = Mix(pixels_[index], c, alpha / result);
    a = result;
}

std::vector<std::uint32_t> Raster::Pixels() const
{
    std::vector<std::uint32_t> out;
    out.reserve(pixels_.size());
    for (const Rgb& p : pixels_)
        out.push_back(Channel(p.r) << 16 | Channel(p.g) << 8 | Channel(p.b));
    return out;
}

Raster Raster::Crop(Box part) const
{
    if (!area_.Contains(part))
        throw std::out_of_range("crop outside the raster");
    Raster out = alpha_.empty() ? Raster(part) : Transparent(part);
    for (int y = part.top; y < part.bottom; ++y) {
        for (int x = part.left; x < part.right; ++x) {
            out.At(x, y) = At(x, y);
            if (!alpha_.empty())
                out.alpha_[out.Index(x, y)] = alpha_[Index(x, y)];
        }
    }
    return out;
}

}  // namespace vx::art
