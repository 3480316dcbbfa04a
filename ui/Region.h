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
    // The union of any rectangles, in any order, overlapping or not. Cut at every
    // band edge, n rectangles can make about n * n / 2 pieces (and as many
    // rectangles in the result); the work follows that number.
    static Region FromRectangles(std::span<const Rect> rects);
    // The same, or nothing when the pieces would be more than maxPieces.
    static std::optional<Region> FromRectangles(std::span<const Rect> rects, std::uint64_t maxPieces);

    // The most pieces that region data may cut into. Banded data, as ToRgnData
    // writes it, is not cut further, so any region of up to this many rectangles
    // loads; overlapping, staggered rectangles reach it from about 1,450 on.
    static constexpr std::uint64_t MaxRgnDataPieces = 1u << 20;
    // From RGNDATA bytes (32-byte header, then the rectangles). A buffer that is
    // truncated, inconsistent or not of the rectangle type gives no region, and
    // so do rectangles that would cut into more than MaxRgnDataPieces pieces.
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
