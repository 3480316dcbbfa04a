#pragma once
// Shapes as signed distance fields: Distance is negative inside, positive outside,
// in pixels; Extent bounds the inside. Painting turns the distance at each pixel
// centre into coverage, which gives every edge one pixel of anti-aliasing, and
// the same shapes give the windows' outlines (the pixels whose centre is inside).
#include <algorithm>
#include <cmath>
#include <vector>

namespace vx::art {

struct Pt {
    double x = 0;
    double y = 0;
};

// sqrt(x² + y²) without hypot's care for overflow, which these sizes never need.
inline double Length(double x, double y)
{
    return std::sqrt(x * x + y * y);
}

// A shape's distance where it is below limit; at or above it, any value not below
// limit. Shapes that can stop looking early (text) say so with DistanceWithin.
template <class S>
double DistanceWithin(const S& shape, double x, double y, double limit)
{
    if constexpr (requires { shape.DistanceWithin(x, y, limit); })
        return shape.DistanceWithin(x, y, limit);
    else
        return shape.Distance(x, y);
}

// Real-valued bounds.
struct Extent {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;

    Extent Grown(double by) const { return {left - by, top - by, right + by, bottom + by}; }
    Extent United(const Extent& o) const
    {
        return {std::min(left, o.left), std::min(top, o.top), std::max(right, o.right), std::max(bottom, o.bottom)};
    }
};

// Distance from p to the segment a-b.
inline double SegmentDistance(Pt p, Pt a, Pt b)
{
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double len2 = dx * dx + dy * dy;
    double t = len2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / len2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    return Length(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

// A rectangle with rounded corners (radius 0: sharp).
struct RoundRect {
    double left, top, right, bottom, radius = 0;

    double Distance(double x, double y) const
    {
        const double cx = (left + right) / 2, cy = (top + bottom) / 2;
        const double hx = (right - left) / 2 - radius, hy = (bottom - top) / 2 - radius;
        const double qx = std::abs(x - cx) - hx, qy = std::abs(y - cy) - hy;
        const double outside = Length(std::max(qx, 0.0), std::max(qy, 0.0));
        return outside + std::min(std::max(qx, qy), 0.0) - radius;
    }
    Extent Bounds() const { return {left, top, right, bottom}; }
};

struct Circle {
    double cx, cy, radius;

    double Distance(double x, double y) const { return Length(x - cx, y - cy) - radius; }
    Extent Bounds() const { return {cx - radius, cy - radius, cx + radius, cy + radius}; }
};

// A line with round ends, radius wide on each side; its radius may shrink
// along it (from radius at a to endRadius at b) for tapered streaks.
struct Capsule {
    Pt a, b;
    double radius;
    double endRadius = -1;  // < 0: the same as radius

    double Distance(double x, double y) const
    {
        const double r1 = endRadius < 0 ? radius : endRadius;
        const double dx = b.x - a.x, dy = b.y - a.y;
        const double len2 = dx * dx + dy * dy;
        double t = len2 > 0 ? ((x - a.x) * dx + (y - a.y) * dy) / len2 : 0;
        t = std::clamp(t, 0.0, 1.0);
        return Length(x - (a.x + t * dx), y - (a.y + t * dy)) - (radius + (r1 - radius) * t);
    }
    Extent Bounds() const
    {
        const double r = std::max(radius, endRadius);
        return Extent{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)}.Grown(r);
    }
};

// A band along a circular arc with round ends, from angle `from` to angle `to`
// (radians, counter-clockwise with y up, so 0 points right and pi/2 up).
struct ArcBand {
    double cx, cy, radius, half, from, to;

    double Distance(double x, double y) const
    {
        const double dx = x - cx, dy = cy - y;
        double a = std::atan2(dy, dx);
        const double lo = std::min(from, to), hi = std::max(from, to);
        const double twoPi = 6.283185307179586;
        while (a < lo)
            a += twoPi;
        if (a <= hi)
            return std::abs(Length(dx, dy) - radius) - half;
        const auto end = [&](double t) { return Length(x - (cx + std::cos(t) * radius), y - (cy - std::sin(t) * radius)); };
        return std::min(end(lo), end(hi)) - half;
    }
    Extent Bounds() const { return Extent{cx - radius, cy - radius, cx + radius, cy + radius}.Grown(half); }
};

// A closed polygon (even-odd inside).
struct Polygon {
    std::vector<Pt> points;

    double Distance(double x, double y) const
    {
        double d = 1e30;
        bool inside = false;
        const std::size_t n = points.size();
        for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
            const Pt& a = points[i];
            const Pt& b = points[j];
            d = std::min(d, SegmentDistance({x, y}, a, b));
            if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x)
                inside = !inside;
        }
        return inside ? -d : d;
    }
    Extent Bounds() const
    {
        Extent e{1e30, 1e30, -1e30, -1e30};
        for (const Pt& p : points)
            e = {std::min(e.left, p.x), std::min(e.top, p.y), std::max(e.right, p.x), std::max(e.bottom, p.y)};
        return e;
    }
};

// The band of half-width `half` around a shape's edge (a stroke of its outline).
template <class S>
struct Outline {
    S shape;
    double half;

    double Distance(double x, double y) const { return std::abs(shape.Distance(x, y)) - half; }
    Extent Bounds() const { return shape.Bounds().Grown(half); }
};

// The shape grown (by > 0) or shrunk (by < 0) all round.
template <class S>
struct Grown {
    S shape;
    double by;

    double Distance(double x, double y) const { return shape.Distance(x, y) - by; }
    Extent Bounds() const { return shape.Bounds().Grown(std::max(by, 0.0)); }
};

template <class A, class B>
struct Union {
    A a;
    B b;

    double Distance(double x, double y) const { return std::min(a.Distance(x, y), b.Distance(x, y)); }
    double DistanceWithin(double x, double y, double limit) const
    {
        return std::min(art::DistanceWithin(a, x, y, limit), art::DistanceWithin(b, x, y, limit));
    }
    Extent Bounds() const { return a.Bounds().United(b.Bounds()); }
};

template <class A, class B>
struct Intersection {
    A a;
    B b;

    double Distance(double x, double y) const { return std::max(a.Distance(x, y), b.Distance(x, y)); }
    Extent Bounds() const { return a.Bounds(); }
};

// a without b.
template <class A, class B>
struct Difference {
    A a;
    B b;

    double Distance(double x, double y) const { return std::max(a.Distance(x, y), -b.Distance(x, y)); }
    Extent Bounds() const { return a.Bounds(); }
};

// The shape moved by (dx, dy).
template <class S>
struct Moved {
    S shape;
    double dx, dy;

    double Distance(double x, double y) const { return shape.Distance(x - dx, y - dy); }
    double DistanceWithin(double x, double y, double limit) const
    {
        return art::DistanceWithin(shape, x - dx, y - dy, limit);
    }
    Extent Bounds() const
    {
        const Extent e = shape.Bounds();
        return {e.left + dx, e.top + dy, e.right + dx, e.bottom + dy};
    }
};

template <class A, class B>
Union(A, B) -> Union<A, B>;
template <class A, class B>
Intersection(A, B) -> Intersection<A, B>;
template <class A, class B>
Difference(A, B) -> Difference<A, B>;
template <class S>
Outline(S, double) -> Outline<S>;
template <class S>
Grown(S, double) -> Grown<S>;
template <class S>
Moved(S, double, double) -> Moved<S>;

}  // namespace vx::art
