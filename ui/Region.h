#pragma once
// A region as Windows keeps it: a list of rectangles in y-x bands. Bands run top to
// bottom and do not overlap; inside a band the rectangles run left to right, share
// the band's top and bottom and never touch; two adjacent bands with the same
// rectangles are one band. Every operation keeps that form, so two equal areas
// have equal rectangle lists.
#include <cstdint>
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "ui/Geometry.h"

namespace vx::ui {

enum class RegionOp { And, Or, Xor, Diff, Copy };

class Region {
public:
    Region() = default;

    static Region FromRect(const Rect& r);
    // The areas of CreateEllipticRgn / CreateRoundRectRgn for the same arguments;
    // like those, they leave out the right column and the bottom row of the box.
    static Region FromEllipse(const Rect& box);
    static Region FromRoundRect(const Rect& box, int ellipseWidth, int ellipseHeight);
    // The union of any rectangles, in any order, overlapping or not.
    static Region FromRectangles(std::span<const Rect> rects);
    // From RGNDATA bytes (32-byte header, then the rectangles). A buffer that is
    // truncated, inconsistent or not of the rectangle type gives no region.
    // The rectangles need not be banded: they are united.
    static std::optional<Region> FromRgnData(std::span<const std::uint8_t> bytes);

    // Copy returns a; Diff is a minus b.
    static Region Combine(const Region& a, const Region& b, RegionOp op);

    Region& Offset(int dx, int dy);
    bool Contains(Point p) const;
    bool IsEmpty() const { return rects_.empty(); }
    Rect Bounds() const;
    const std::vector<Rect>& Rectangles() const { return rects_; }
    std::vector<std::uint8_t> ToRgnData() const;

    friend bool operator==(const Region&, const Region&) = default;

private:
    explicit Region(std::vector<Rect> banded) : rects_(std::move(banded)) {}
    std::vector<Rect> rects_;

    friend class RegionBuilder;
};

}  // namespace vx::ui
