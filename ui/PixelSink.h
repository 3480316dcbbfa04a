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
    bool Visible(int x, int y);
    // nullopt outside the surface or the clip.
    std::optional<std::uint32_t> Read(int x, int y);

private:
    void Refresh();
    const std::vector<vx::ui::Span>* RowClip(int surfaceY);

    BitmapStorage& target_;
    Point origin_;
    std::optional<Region> clip_;
    int width_ = -1;
    int height_ = -1;
    std::vector<std::vector<vx::ui::Span>> clipRows_;
};

}  // namespace vx::ui
