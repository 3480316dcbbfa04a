#include "ui/PenStroke.h"

#include <numeric>

#include "ui/Bitmap.h"

namespace vx::ui {

namespace {

// The cosmetic pen patterns of GDI.
std::vector<int> PatternOf(PenStyle style)
{
    switch (style) {
    case PenStyle::Dash: return {18, 6};
    case PenStyle::Dot: return {3, 3};
    case PenStyle::DashDot: return {9, 6, 3, 6};
    case PenStyle::DashDotDot: return {9, 3, 3, 3, 3, 3};
    case PenStyle::Solid:
    case PenStyle::Clear: return {};
    }
    return {};
}

}  // namespace

PenStroke::PenStroke(PixelSink& sink, const Pen& pen)
    : sink_(sink),
      pixel_(ColorToPixel(ColorToRgb(pen.color))),
      width_(pen.width < 1 ? 1 : pen.width),
      visible_(pen.style != PenStyle::Clear),
      pattern_(width_ == 1 ? PatternOf(pen.style) : std::vector<int>{})
{
}

void PenStroke::Step(int x, int y)
{
    if (!pattern_.empty()) {
        const int period = std::accumulate(pattern_.begin(), pattern_.end(), 0);
        int at = position_ % period;
        position_ = (position_ + 1) % period;
        for (size_t i = 0; i < pattern_.size(); ++i) {
            if (at < pattern_[i]) {
                if (i % 2 == 1)
                    return;
                break;
            }
            at -= pattern_[i];
        }
    }
    Dot(x, y);
}

void PenStroke::Dot(int x, int y)
{
    if (!visible_)
        return;
    if (width_ == 1) {
        sink_.Plot(x, y, pixel_);
        return;
    }
    // Wide pens are round: a disc of the pen's width around the pixel.
    const int reach = width_ / 2;
    const double radius = (width_ - 1) / 2.0;
    for (int dy = -reach; dy <= reach; ++dy) {
        for (int dx = -reach; dx <= reach; ++dx) {
            if (dx * dx + dy * dy <= radius * radius + 0.25)
                sink_.Plot(x + dx, y + dy, pixel_);
        }
    }
}

}  // namespace vx::ui
