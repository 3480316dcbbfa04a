#pragma once
// Writes pixels of a BitmapStorage in logical coordinates, honouring the canvas
// origin, the surface edges and the clip region.
#include <cstdint>
#include <optional>
#include <vector>

#include "ui/Geometry.h"
#include "ui/Region.h"
#include "ui/RegionBuilder.h"

namespace vx::ui {

class BitmapStorage;

class PixelSink {
public:
    explicit PixelSink(BitmapStorage& target) : target_(target) {}

    // clip in surface coordinates.
    void SetState(Point origin, const std::optional<Region>& clip);

    void Plot(int x, int y, std::uint32_t pixel);
    // Pixels x0 .. x1 - 1 of row y.
    void Span(int y, int x0, int x1, std::uint32_t pixel);
    // count pixels from src to row y starting at x.
    void CopyRow(int y, int x, const std::uint32_t* src, int count);
    bool Visible(int x, int y) const;
    // nullopt outside the surface or the clip.
    std::optional<std::uint32_t> Read(int x, int y) const;
    // Copies read their source like BitBlt: through the origin, not the clip.
    std::optional<std::uint32_t> ReadIgnoringClip(int x, int y) const;

private:
    void Refresh() const;
    const std::vector<vx::ui::Span>* RowClip(int surfaceY) const;

    BitmapStorage& target_;
    Point origin_;
    std::optional<Region> clip_;
    // The clip split into rows of the current surface size, built on first use.
    mutable int width_ = -1;
    mutable int height_ = -1;
    mutable std::vector<std::vector<vx::ui::Span>> clipRows_;
};

}  // namespace vx::ui
