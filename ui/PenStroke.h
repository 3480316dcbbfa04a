#pragma once
// Lays a pen's dash pattern and width along the pixels of an outline.
#include <cstdint>
#include <vector>

#include "ui/Pen.h"
#include "ui/PixelSink.h"

namespace vx::ui {

class PenStroke {
public:
    PenStroke(PixelSink& sink, const Pen& pen);

    bool Visible() const { return visible_; }
    // The next pixel along the outline; dash gaps leave it out.
    void Step(int x, int y);
    // A pixel that is drawn whatever the dash pattern.
    void Dot(int x, int y);

private:
    PixelSink& sink_;
    std::uint32_t pixel_ = 0;
    int width_ = 1;
    bool visible_ = true;
    std::vector<int> pattern_;  // on, off, on, off... lengths
    int position_ = 0;
};

}  // namespace vx::ui
