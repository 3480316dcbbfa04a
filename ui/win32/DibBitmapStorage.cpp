#include "ui/win32/DibBitmapStorage.h"

#include "ui/win32/DibInfo.h"

namespace vx::ui::win32 {

DibBitmapStorage::DibBitmapStorage(int width, int height)
    : dc_(nullptr), originalBitmap_(GetCurrentObject(dc_.Get(), OBJ_BITMAP)), canvas_(dc_.Get())
{
    Reallocate(width, height);
}

DibBitmapStorage::~DibBitmapStorage()
{
    SelectObject(dc_.Get(), originalBitmap_);
}

void DibBitmapStorage::Reallocate(int width, int height)
{
    GdiFlush();
    SelectObject(dc_.Get(), originalBitmap_);
    dib_.Reset();
    bits_ = nullptr;
    width_ = height_ = 0;
    if (width <= 0 || height <= 0)
        return;
    const BITMAPINFO info = TopDownDibInfo(width, height);
    void* bits = nullptr;
    dib_.Reset(CreateDIBSection(dc_.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dib_)
        return;
    SelectObject(dc_.Get(), dib_.Get());
    bits_ = static_cast<std::uint32_t*>(bits);
    width_ = width;
    height_ = height;
}

}  // namespace vx::ui::win32
