// The real screen under a rectangle, read with BitBlt from the screen DC.
#include <windows.h>

#include <algorithm>
#include <vector>

#include "ui/win32/DibInfo.h"
#include "widgets/ScreenCapture.h"

namespace vx::widgets {

namespace {

class WinScreenCapture : public ScreenCapture {
public:
    ui::Bitmap Capture(const ui::Rect& screen) override
    {
        const int w = std::max(screen.Width(), 0), h = std::max(screen.Height(), 0);
        ui::Bitmap copy(w, h);
        if (w == 0 || h == 0)
            return copy;
        HDC screenDc = GetDC(nullptr);
        HDC memory = CreateCompatibleDC(screenDc);
        BITMAPINFO info = ui::win32::TopDownDibInfo(w, h);
        void* bits = nullptr;
        HBITMAP dib = CreateDIBSection(screenDc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        if (dib && bits) {
            HGDIOBJ old = SelectObject(memory, dib);
            BitBlt(memory, 0, 0, w, h, screenDc, screen.left, screen.top, SRCCOPY);
            GdiFlush();
            const auto* pixels = static_cast<const std::uint32_t*>(bits);
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x)
                    copy.SetPixel(x, y, ui::PixelToColor(pixels[static_cast<std::size_t>(y) * w + x] & 0xFFFFFF));
            SelectObject(memory, old);
        }
        if (dib)
            DeleteObject(dib);
        DeleteDC(memory);
        ReleaseDC(nullptr, screenDc);
        return copy;
    }
};

}  // namespace

}  // namespace vx::widgets

namespace vx::platform {

template <>
widgets::ScreenCapture& DefaultService<widgets::ScreenCapture>()
{
    static widgets::WinScreenCapture capture;
    return capture;
}

}  // namespace vx::platform
