#pragma once
#include <cstdint>
#include <cstdlib>

namespace vx::ui {

template <class Plot>
void PlotEllipse(int x0, int y0, int x1, int y1, Plot&& plot)
{
    if (x1 < x0 || y1 < y0)
        return;
    const std::int64_t a = x1 - x0;
    const std::int64_t b = y1 - y0;
    const std::int64_t b1 = b & 1;
    std::int64_t dx = 4 * (1 - a) * b * b;
    std::int64_t dy = 4 * (b1 + 1) * a * a;
    std::int64_t err = dx + dy + b1 * a * a;
    y0 += static_cast<int>((b + 1) / 2);
    y1 = y0 - static_cast<int>(b1);
    const std::int64_t a8 = 8 * a * a;
    const std::int64_t b8 = 8 * b * b;
    do {
        plot(x1, y0);
        plot(x0, y0);
        plot(x0, y1);
        plot(x1, y1);
        const std::int64_t e2 = 2 * err;
        if (e2 <= dy) {
            ++y0;
            --y1;
            err += dy += a8;
        }
        if (e2 >= dx) {
            ++x0;
            --x1;
            err += dx += b8;
        }
    } while (x0 <= x1);
}

}  // namespace vx::ui
