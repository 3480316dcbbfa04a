#include "ui/win32/GdiBitmapHandle.h"

namespace vx::ui::win32 {

BitmapHandle CreateDeviceBitmap(const Bitmap& picture)
{
    if (picture.Empty())
        return {};
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = picture.Width();
    info.bmiHeader.biHeight = -picture.Height();  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC screen = GetDC(nullptr);
    BitmapHandle bitmap(CreateCompatibleBitmap(screen, picture.Width(), picture.Height()));
    if (bitmap)
        SetDIBits(screen, bitmap.Get(), 0, static_cast<UINT>(picture.Height()), picture.Row(0), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    return bitmap;
}

}  // namespace vx::ui::win32
