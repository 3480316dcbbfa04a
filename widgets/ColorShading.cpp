#include "widgets/ColorShading.h"

#include <algorithm>
#include <cmath>

namespace vx::widgets {

using ui::Color;

int RoundHalfEven(std::int64_t num, std::int64_t den)
{
    if (den < 0) {
        num = -num;
        den = -den;
    }
    std::int64_t q = num / den;
    std::int64_t r = num % den;
    if (r < 0) {
        r += den;
        --q;
    }
    if (2 * r > den || (2 * r == den && (q % 2) != 0))
        ++q;
    return static_cast<int>(q);
}

int RoundHalfEven(double value)
{
    return static_cast<int>(std::nearbyint(value));
}

namespace {

int Clamp(int v) { return std::clamp(v, 0, 255); }

Color MapChannels(Color c, int (*f)(int, int), int arg)
{
    return ui::Rgb(Clamp(f(ui::RedOf(c), arg)), Clamp(f(ui::GreenOf(c), arg)), Clamp(f(ui::BlueOf(c), arg)));
}

}  // namespace

ShadeRamp MakeShadeRamp(Color base)
{
    base = ui::ColorToRgb(base);
    ShadeRamp ramp{};
    for (int i = 0; i < 16; ++i)
        ramp[static_cast<std::size_t>(i)] = MapChannels(base, [](int v, int d) { return v + d; }, 17 * i - 119);
    return ramp;
}

Color Shade(Color color, int k)
{
    static constexpr int darker[] = {15, 30, 45, 60, 6};
    static constexpr int lighter[] = {15, 30, 45, 60};
    color = ui::ColorToRgb(color);
    if (k >= 0 && k <= 4)
        return MapChannels(color, [](int v, int p) { return v - RoundHalfEven(std::int64_t{v} * p, 100); }, darker[k]);
    if (k >= 6 && k <= 9)
        return MapChannels(color, [](int v, int p) { return v + RoundHalfEven(std::int64_t{p} * (255 - v), 100); },
                           lighter[k - 6]);
    return color;
}

Color BevelRingColor(Color frame, Color button, int ring, int rings)
{
    frame = ui::ColorToRgb(frame);
    button = ui::ColorToRgb(button);
    const double f = rings;
    const double x = std::sqrt(f * f - (f - ring) * (f - ring)) / f;
    auto channel = [x](int from, int to) { return Clamp(from + RoundHalfEven((to - from) * x)); };
    return ui::Rgb(channel(ui::RedOf(frame), ui::RedOf(button)), channel(ui::GreenOf(frame), ui::GreenOf(button)),
                   channel(ui::BlueOf(frame), ui::BlueOf(button)));
}

}  // namespace vx::widgets
