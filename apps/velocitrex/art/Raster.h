#pragma once
// The pictures' working surface: floating-point RGB pixels for one rectangle of a
// window, addressed in the window's own coordinates, so a piece of a picture (the
// logo, a bar piece) is drawn exactly as the whole window would draw it there.
#include <cstdint>
#include <vector>

namespace vx::art {

struct Rgb {
    float r = 0;
    float g = 0;
    float b = 0;
};

// From 0xRRGGBB.
constexpr Rgb Hex(std::uint32_t rrggbb)
{
    return {static_cast<float>((rrggbb >> 16) & 0xFF), static_cast<float>((rrggbb >> 8) & 0xFF),
            static_cast<float>(rrggbb & 0xFF)};
}

constexpr Rgb Mix(Rgb a, Rgb b, float t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

// A colour with its opacity, 0 (none) to 1.
struct Rgba {
    Rgb rgb;
    float a = 1;
};

// Whole pixels; right and bottom exclusive.
struct Box {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    static constexpr Box Sized(int x, int y, int width, int height) { return {x, y, x + width, y + height}; }
    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    constexpr bool Contains(const Box& b) const
    {
        return b.left >= left && b.top >= top && b.right <= right && b.bottom <= bottom;
    }
    constexpr bool operator==(const Box&) const = default;
};

class Raster {
public:
    explicit Raster(Box area, Rgb fill = {});
    // A raster that starts clear and keeps each pixel's opacity (icons).
    static Raster Transparent(Box area);

    const Box& Area() const { return area_; }
    int Width() const { return area_.Width(); }
    int Height() const { return area_.Height(); }

    // Window coordinates; the point must lie in Area().
    Rgb& At(int x, int y) { return pixels_[Index(x, y)]; }
    const Rgb& At(int x, int y) const { return pixels_[Index(x, y)]; }
    // Lays c over the pixel with the given opacity; points outside are ignored.
    void Blend(int x, int y, Rgb c, float alpha)
    {
        if (!area_.Contains(x, y) || alpha <= 0)
            return;
        if (alpha_.empty())
            At(x, y) = alpha >= 1 ? c : Mix(At(x, y), c, alpha);
        else
            BlendTransparent(Index(x, y), c, alpha);
    }

    // Rows top-down, 0x00RRGGBB, rounded and clamped.
    std::vector<std::uint32_t> Pixels() const;
    // Opacity of each pixel, 0 to 1, in the same order; all 1 unless Transparent.
    float Alpha(int x, int y) const { return alpha_.empty() ? 1.0f : alpha_[Index(x, y)]; }
    // A part of this raster (which must hold it) as a raster of its own.
    Raster Crop(Box part) const;

private:
    void BlendTransparent(std::size_t index, Rgb c, float alpha);
    std::size_t Index(int x, int y) const
    {
        return static_cast<std::size_t>(y - area_.top) * static_cast<std::size_t>(Width()) +
               static_cast<std::size_t>(x - area_.left);
    }

    Box area_;
    std::vector<Rgb> pixels_;
    std::vector<float> alpha_;  // empty: opaque
};

}  // namespace vx::art
