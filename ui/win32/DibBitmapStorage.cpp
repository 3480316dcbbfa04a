#include "ui/win32/DibBitmapStorage.h"

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
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
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
