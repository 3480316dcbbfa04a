#pragma once
// Bitmap pixels in ordinary memory, drawn by the software renderer.
#include <vector>

#include "ui/BitmapStorage.h"
#include "ui/SoftCanvas.h"

namespace vx::ui {

class MemoryBitmapStorage : public BitmapStorage {
public:
    MemoryBitmapStorage(int width, int height);

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    std::uint32_t* Bits() override { return pixels_.data(); }
    void BeginDirectAccess() override {}
    void Reallocate(int width, int height) override;
    Canvas& GetCanvas() override { return canvas_; }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> pixels_;
    SoftCanvas canvas_;
};

}  // namespace vx::ui
