#include "ui/RegionBuilder.h"

#include <algorithm>

namespace vx::ui {

void RegionBuilder::AddBand(int top, int bottom, const std::vector<Span>& spans)
{
    if (spans.empty() || bottom <= top)
        return;
    const size_t lastCount = rects_.size() - lastBandStart_;
    if (lastCount == spans.size() && lastCount > 0 && rects_.back().bottom == top) {
        bool same = true;
        for (size_t i = 0; i < lastCount && same; ++i) {
            const Rect& r = rects_[lastBandStart_ + i];
            same = r.left == spans[i].left && r.right == spans[i].right;
        }
        if (same) {
            for (size_t i = lastBandStart_; i < rects_.size(); ++i)
                rects_[i].bottom = bottom;
            return;
        }
    }
    lastBandStart_ = rects_.size();
    for (const Span& s : spans)
        rects_.push_back({s.left, top, s.right, bottom});
}

Region RegionBuilder::Finish()
{
    lastBandStart_ = 0;
    return Region(std::move(rects_));
}

std::vector<Span> RegionBuilder::Normalize(std::vector<Span> spans)
{
    std::erase_if(spans, [](Span s) { return s.right <= s.left; });
    std::sort(spans.begin(), spans.end(), [](Span a, Span b) { return a.left < b.left; });
    std::vector<Span> joined;
    for (Span s : spans) {
        if (!joined.empty() && s.left <= joined.back().right)
            joined.back().right = std::max(joined.back().right, s.right);
        else
            joined.push_back(s);
    }
    return joined;
}

}  // namespace vx::ui
