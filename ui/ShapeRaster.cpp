#include "ui/ShapeRaster.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace vx::ui {

std::vector<Point> LinePixels(Point a, Point b)
{
    std::vector<Point> pixels;
    const int dx = std::abs(b.x - a.x);
    const int dy = std::abs(b.y - a.y);
    const int sx = a.x < b.x ? 1 : -1;
    const int sy = a.y < b.y ? 1 : -1;
    const int steps = std::max(dx, dy);
    pixels.reserve(static_cast<size_t>(steps));
    // Walk the major axis; the minor coordinate is the nearest to the ideal line.
    // Halfway cases take the smaller coordinate, as GDI does.
    for (int i = 0; i < steps; ++i) {
        const int major = dx >= dy ? dx : dy;
        const int span = dx >= dy ? dy : dx;
        const int sign = dx >= dy ? sy : sx;
        const int num = 2 * i * span + major - (sign > 0 ? 1 : 0);
        const int minor = num / (2 * major);
        if (dx >= dy)
            pixels.push_back({a.x + sx * i, a.y + sy * minor});
        else
            pixels.push_back({a.x + sx * minor, a.y + sy * i});
    }
    return pixels;
}

std::vector<Point> ThickLinePixels(Point a, Point b, int width)
{
    const double r = width / 2.0;
    const int reach = width / 2 + 1;
    const double vx = b.x - a.x;
    const double vy = b.y - a.y;
    const double length2 = vx * vx + vy * vy;
    std::vector<Point> pixels;
    for (int y = std::min(a.y, b.y) - reach; y <= std::max(a.y, b.y) + reach; ++y) {
        for (int x = std::min(a.x, b.x) - reach; x <= std::max(a.x, b.x) + reach; ++x) {
            double t = length2 == 0 ? 0 : ((x - a.x) * vx + (y - a.y) * vy) / length2;
            t = std::clamp(t, 0.0, 1.0);
            const double dx = x - (a.x + t * vx);
            const double dy = y - (a.y + t * vy);
            if (dx * dx + dy * dy <= r * r)
                pixels.push_back({x, y});
        }
    }
    return pixels;
}

namespace {

struct Edge {
    Point top;
    Point bottom;
    int direction;  // +1 downwards in point order, -1 upwards
};

// x of the edge at row y, rounded up: pixels from there on lie right of it.
int CrossingAt(const Edge& e, int y)
{
    const long long num = static_cast<long long>(y - e.top.y) * (e.bottom.x - e.top.x);
    const long long den = e.bottom.y - e.top.y;
    long long q = num / den;
    if (num % den != 0 && num > 0)
        ++q;
    return e.top.x + static_cast<int>(q);
}

}  // namespace

std::vector<ScanSpan> PolygonSpans(std::span<const Point> points, bool winding)
{
    std::vector<Edge> edges;
    for (size_t i = 0; i < points.size(); ++i) {
        const Point p = points[i];
        const Point q = points[(i + 1) % points.size()];
        if (p.y == q.y)
            continue;
        edges.push_back(p.y < q.y ? Edge{p, q, 1} : Edge{q, p, -1});
    }
    if (edges.empty())
        return {};
    int top = edges.front().top.y;
    int bottom = edges.front().bottom.y;
    for (const Edge& e : edges) {
        top = std::min(top, e.top.y);
        bottom = std::max(bottom, e.bottom.y);
    }
    std::vector<ScanSpan> spans;
    std::vector<std::pair<int, int>> crossings;
    for (int y = top; y < bottom; ++y) {
        crossings.clear();
        for (const Edge& e : edges) {
            if (e.top.y <= y && y < e.bottom.y)
                crossings.emplace_back(CrossingAt(e, y), e.direction);
        }
        std::sort(crossings.begin(), crossings.end());
        int count = 0;
        for (size_t i = 0; i + 1 < crossings.size(); ++i) {
            count += winding ? crossings[i].second : 1;
            const bool inside = winding ? count != 0 : (count % 2) == 1;
            if (inside && crossings[i].first < crossings[i + 1].first)
                spans.push_back({y, crossings[i].first, crossings[i + 1].first});
        }
    }
    return spans;
}

double SweepFrom(double dx, double dy, double startX, double startY)
{
    constexpr double TwoPi = 6.283185307179586;
    auto angle = [](double x, double y) { return std::atan2(-y, x); };
    double at = angle(dx, dy) - angle(startX, startY);
    while (at < 0)
        at += TwoPi;
    while (at >= TwoPi)
        at -= TwoPi;
    return at;
}

}  // namespace vx::ui
