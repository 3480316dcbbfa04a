#include "ui/PixelSink.h"

#include <algorithm>

#include "ui/BitmapStorage.h"

namespace vx::ui {

void PixelSink::SetState(Point origin, const std::optional<Region>& clip)
{
    origin_ = origin;
    clip_ = clip;
    width_ = -1;  // rebuild the clip rows on next use
}

void PixelSink::Refresh() const
{
    if (width_ == target_.Width() && height_ == target_.Height())
        return;
    width_ = target_.Width();
    height_ = target_.Height();
    clipRows_.assign(clip_ ? static_cast<size_t>(height_) : 0, {});
    if (!clip_)
        return;
    for (const Rect& r : clip_->Rectangles()) {
        for (int y = std::max(r.top, 0); y < std::min(r.bottom, height_); ++y)
            clipRows_[static_cast<size_t>(y)].push_back({r.left, r.right});
    }
}

const std::vector<Span>* PixelSink::RowClip(int surfaceY) const
{
    return clip_ ? &clipRows_[static_cast<size_t>(surfaceY)] : nullptr;
}

void PixelSink::Span(int y, int x0, int x1, std::uint32_t pixel)
{
    Refresh();
    y += origin_.y;
    if (y < 0 || y >= height_)
        return;
    x0 = std::max(x0 + origin_.x, 0);
    x1 = std::min(x1 + origin_.x, width_);
    if (x0 >= x1)
        return;
    std::uint32_t* row = target_.Bits() + static_cast<size_t>(y) * static_cast<size_t>(width_);
    const auto* clip = RowClip(y);
    if (!clip) {
        std::fill(row + x0, row + x1, pixel);
        return;
    }
    for (vx::ui::Span s : *clip) {
        const int a = std::max(x0, s.left);
        const int b = std::min(x1, s.right);
        if (a < b)
            std::fill(row + a, row + b, pixel);
    }
}

void PixelSink::CopyRow(int y, int x, const std::uint32_t* src, int count)
{
    Refresh();
    y += origin_.y;
    x += origin_.x;
    if (y < 0 || y >= height_)
        return;
    const int x0 = std::max(x, 0);
    const int x1 = std::min(x + count, width_);
    if (x0 >= x1)
        return;
    std::uint32_t* row = target_.Bits() + static_cast<size_t>(y) * static_cast<size_t>(width_);
    auto copy = [&](int a, int b) { std::copy(src + (a - x), src + (b - x), row + a); };
    const auto* clip = RowClip(y);
    if (!clip) {
        copy(x0, x1);
        return;
    }
    for (vx::ui::Span s : *clip) {
        const int a = std::max(x0, s.left);
        const int b = std::min(x1, s.right);
        if (a < b)
            copy(a, b);
    }
}

void PixelSink::Plot(int x, int y, std::uint32_t pixel)
{
    Span(y, x, x + 1, pixel);
}

bool PixelSink::Visible(int x, int y) const
{
    Refresh();
    x += origin_.x;
    y += origin_.y;
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return false;
    const auto* clip = RowClip(y);
    return !clip || std::any_of(clip->begin(), clip->end(), [x](vx::ui::Span s) { return x >= s.left && x < s.right; });
}

std::optional<std::uint32_t> PixelSink::ReadIgnoringClip(int x, int y) const
{
    Refresh();
    x += origin_.x;
    y += origin_.y;
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return std::nullopt;
    return target_.Bits()[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)];
}

std::optional<std::uint32_t> PixelSink::Read(int x, int y) const
{
    if (!Visible(x, y))
        return std::nullopt;
    return target_.Bits()[static_cast<size_t>(y + origin_.y) * static_cast<size_t>(width_) +
                          static_cast<size_t>(x + origin_.x)];
}

}  // namespace vx::ui
