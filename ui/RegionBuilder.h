#pragma once
// Builds the banded rectangle list of a Region one band at a time, merging a band
// into the previous one when they touch and hold the same spans.
#include <vector>

#include "ui/Region.h"

namespace vx::ui {

struct Span {
    int left = 0;
    int right = 0;
    friend bool operator==(Span, Span) = default;
};

class RegionBuilder {
public:
    // spans: sorted, non-empty and not touching.
    void AddBand(int top, int bottom, const std::vector<Span>& spans);
    Region Finish();

    // Sorts and joins overlapping or touching spans; drops empty ones.
    static std::vector<Span> Normalize(std::vector<Span> spans);

private:
    std::vector<Rect> rects_;
    size_t lastBandStart_ = 0;
};

}  // namespace vx::ui
