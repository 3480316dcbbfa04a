#pragma once
// Bitmap pixels in a 32-bit top-down DIB section selected into a memory DC, drawn
// by GDI; the pixel memory is shared, so GdiFlush comes before direct access.
#include <windows.h>

#include "ui/BitmapStorage.h"
#include "ui/win32/GdiCanvas.h"
#include "ui/win32/GdiHandles.h"

namespace vx::ui::win32 {

class DibBitmapStorage : public BitmapStorage {
public:
    DibBitmapStorage(int width, int height);
    ~DibBitmapStorage() override;

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    std::uint32_t* Bits() override { return bits_; }
    void BeginDirectAccess() override { GdiFlush(); }
    void Reallocate(int width, int height) override;
    Canvas& GetCanvas() override { return canvas_; }

private:
    MemoryDc dc_;
    HGDIOBJ originalBitmap_ = nullptr;
    BitmapHandle dib_;
    std::uint32_t* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    GdiCanvas canvas_;
};

}  // namespace vx::ui::win32
