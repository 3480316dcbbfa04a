#include "ui/Region.h"

#include <algorithm>
#include <limits>

#include "ui/EllipseRaster.h"
#include "ui/RegionBuilder.h"

namespace vx::ui {

namespace {

std::vector<int> BandEdges(const std::vector<Rect>& a, const std::vector<Rect>& b)
{
    std::vector<int> ys;
    for (const auto* list : {&a, &b}) {
        for (const Rect& r : *list) {
            ys.push_back(r.top);
            ys.push_back(r.bottom);
        }
    }
    std::sort(ys.begin(), ys.end());
    ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
    return ys;
}

// How many pieces the rectangles make when cut at every band edge `ys` (sorted,
// unique, every top and bottom among them): the sum of the rectangles reaching
// into each band.
std::uint64_t BandPieces(const std::vector<Rect>& rects, const std::vector<int>& ys)
{
    auto indexOf = [&ys](int y) { return static_cast<size_t>(std::lower_bound(ys.begin(), ys.end(), y) - ys.begin()); };
    std::vector<std::int64_t> starting(ys.size() + 1, 0);
    for (const Rect& r : rects) {
        ++starting[indexOf(r.top)];
        --starting[indexOf(r.bottom)];
    }
    std::uint64_t pieces = 0;
    std::int64_t reaching = 0;
    for (size_t i = 0; i + 1 < ys.size(); ++i) {
        reaching += starting[i];
        pieces += static_cast<std::uint64_t>(reaching);
    }
    return pieces;
}

// The spans of a banded list at row y.
std::vector<Span> SpansAt(const std::vector<Rect>& rects, int y)
{
    std::vector<Span> spans;
    for (const Rect& r : rects) {
        if (r.top > y)
            break;
        if (y < r.bottom)
            spans.push_back({r.left, r.right});
    }
    return spans;
}

bool Apply(RegionOp op, bool inA, bool inB)
{
    switch (op) {
    case RegionOp::And: return inA && inB;
    case RegionOp::Or: return inA || inB;
    case RegionOp::Xor: return inA != inB;
    case RegionOp::Diff: return inA && !inB;
    case RegionOp::Copy: return inA;
    }
    return false;
}

bool Covers(const std::vector<Span>& spans, int x)
{
    return std::any_of(spans.begin(), spans.end(), [x](Span s) { return x >= s.left && x < s.right; });
}

std::vector<Span> CombineSpans(const std::vector<Span>& a, const std::vector<Span>& b, RegionOp op)
{
    std::vector<int> xs;
    for (const auto* list : {&a, &b}) {
        for (Span s : *list) {
            xs.push_back(s.left);
            xs.push_back(s.right);
        }
    }
    std::sort(xs.begin(), xs.end());
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
    std::vector<Span> out;
    for (size_t i = 0; i + 1 < xs.size(); ++i) {
        if (Apply(op, Covers(a, xs[i]), Covers(b, xs[i])))
            out.push_back({xs[i], xs[i + 1]});
    }
    return RegionBuilder::Normalize(std::move(out));
}

Region FromRows(int top, const std::vector<RowSpan>& rows)
{
    RegionBuilder builder;
    for (size_t i = 0; i < rows.size(); ++i) {
        const int y = top + static_cast<int>(i);
        if (rows[i].left <= rows[i].right)
            builder.AddBand(y, y + 1, {{rows[i].left, rows[i].right + 1}});
    }
    return builder.Finish();
}

Rect Normalized(const Rect& r)
{
    return {std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
            std::max(r.top, r.bottom)};
}

}  // namespace

Region Region::FromRect(const Rect& r)
{
    const Rect n = Normalized(r);
    if (n.IsEmpty())
        return {};
    return Region({n});
}

Region Region::FromEllipse(const Rect& box)
{
    const Rect n = Normalized(box);
    return FromRoundRect(n, n.Width(), n.Height());
}

Region Region::FromRoundRect(const Rect& box, int ellipseWidth, int ellipseHeight)
{
    // GDI leaves out the right column and bottom row of the box here.
    const Rect n = Normalized(box);
    if (n.Width() < 2 || n.Height() < 2)
        return {};
    return FromRows(n.top, RoundRectRows(n.left, n.top, n.right - 2, n.bottom - 2, ellipseWidth, ellipseHeight));
}

Region Region::FromRectangles(std::span<const Rect> rects)
{
    return *FromRectangles(rects, std::numeric_limits<std::uint64_t>::max());
}

std::optional<Region> Region::FromRectangles(std::span<const Rect> rects, std::uint64_t maxPieces)
{
    std::vector<Rect> valid;
    for (const Rect& r : rects) {
        if (!r.IsEmpty())
            valid.push_back(r);
    }
    const std::vector<int> ys = BandEdges(valid, {});
    if (BandPieces(valid, ys) > maxPieces)
        return std::nullopt;
    // Sweep down the bands, keeping only the rectangles that reach into the current one.
    std::sort(valid.begin(), valid.end(), [](const Rect& a, const Rect& b) { return a.top < b.top; });
    std::vector<Rect> active;
    size_t next = 0;
    RegionBuilder builder;
    for (size_t i = 0; i + 1 < ys.size(); ++i) {
        std::erase_if(active, [&](const Rect& r) { return r.bottom <= ys[i]; });
        for (; next < valid.size() && valid[next].top <= ys[i]; ++next)
            active.push_back(valid[next]);
        std::vector<Span> spans;
        for (const Rect& r : active)
            spans.push_back({r.left, r.right});
        builder.AddBand(ys[i], ys[i + 1], RegionBuilder::Normalize(std::move(spans)));
    }
    return builder.Finish();
}

Region Region::Combine(const Region& a, const Region& b, RegionOp op)
{
    if (op == RegionOp::Copy)
        return a;
    const std::vector<int> ys = BandEdges(a.rects_, b.rects_);
    RegionBuilder builder;
    for (size_t i = 0; i + 1 < ys.size(); ++i) {
        const int y = ys[i];
        builder.AddBand(y, ys[i + 1], CombineSpans(SpansAt(a.rects_, y), SpansAt(b.rects_, y), op));
    }
    return builder.Finish();
}

Region& Region::Offset(int dx, int dy)
{
    for (Rect& r : rects_)
        r.Offset(dx, dy);
    return *this;
}

bool Region::Contains(Point p) const
{
    return std::any_of(rects_.begin(), rects_.end(), [p](const Rect& r) { return r.Contains(p); });
}

Rect Region::Bounds() const
{
    if (rects_.empty())
        return {};
    Rect bounds = rects_.front();
    for (const Rect& r : rects_) {
        bounds.left = std::min(bounds.left, r.left);
        bounds.right = std::max(bounds.right, r.right);
        bounds.bottom = std::max(bounds.bottom, r.bottom);
    }
    return bounds;
}

}  // namespace vx::ui
