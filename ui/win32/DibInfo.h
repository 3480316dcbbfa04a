#pragma once
// The header of a 32-bit top-down DIB, the pixel layout of ui::Bitmap.
#include <windows.h>

namespace vx::ui::win32 {

inline BITMAPINFO TopDownDibInfo(int width, int height)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

}  // namespace vx::ui::win32
