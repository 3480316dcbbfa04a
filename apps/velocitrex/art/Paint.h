#pragma once
// What fills a shape: one colour or a gradient along a line or out from a point.
// Gradient stops carry opacity, so a band can fade out along its length.
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <vector>

#include "apps/velocitrex/art/Raster.h"

namespace vx::art {

struct Stop {
    double at;  // 0 to 1
    Rgb rgb;
    float alpha = 1;
};

class Gradient {
public:
    Gradient(std::initializer_list<Stop> stops) : stops_(stops) {}

    Rgba At(double t) const
    {
        t = std::clamp(t, 0.0, 1.0);
        if (t <= stops_.front().at)
            return {stops_.front().rgb, stops_.front().alpha};
        for (std::size_t i = 1; i < stops_.size(); ++i) {
            const Stop& a = stops_[i - 1];
            const Stop& b = stops_[i];
            if (t <= b.at) {
                const float u = b.at > a.at ? static_cast<float>((t - a.at) / (b.at - a.at)) : 1.0f;
                return {Mix(a.rgb, b.rgb, u), a.alpha + (b.alpha - a.alpha) * u};
            }
        }
        return {stops_.back().rgb, stops_.back().alpha};
    }

private:
    std::vector<Stop> stops_;
};

struct Solid {
    Rgba color;
    Solid(Rgb rgb, float alpha = 1) : color{rgb, alpha} {}
    Rgba operator()(double, double) const { return color; }
};

// Along the line from (x0, y0) to (x1, y1); constant across it.
struct Linear {
    double x0, y0, x1, y1;
    Gradient gradient;

    Rgba operator()(double x, double y) const
    {
        const double dx = x1 - x0, dy = y1 - y0;
        const double len2 = dx * dx + dy * dy;
        return gradient.At(len2 > 0 ? ((x - x0) * dx + (y - y0) * dy) / len2 : 0);
    }
};

// Out from (cx, cy) to radius; scaleY stretches it into an ellipse.
struct Radial {
    double cx, cy, radius;
    Gradient gradient;
    double scaleY = 1;

    Rgba operator()(double x, double y) const
    {
        return gradient.At(std::sqrt((x - cx) * (x - cx) + (y - cy) * (y - cy) / (scaleY * scaleY)) / radius);
    }
};

// Top to bottom between two rows.
inline Linear Vertical(double top, double bottom, Gradient gradient)
{
    return {0, top, 0, bottom, std::move(gradient)};
}

inline Linear Horizontal(double left, double right, Gradient gradient)
{
    return {left, 0, right, 0, std::move(gradient)};
}

}  // namespace vx::art
