// The real screen under a rectangle, read with BitBlt from the screen DC.
#include <windows.h>

#include <algorithm>
#include <vector>

#include "ui/win32/DibInfo.h"
#include "ui/win32/GdiHandles.h"
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
        CopyScreen(screenDc, screen, copy);
        ReleaseDC(nullptr, screenDc);
        return copy;
    }

private:
    static void CopyScreen(HDC screenDc, const ui::Rect& screen, ui::Bitmap& copy)
    {
        const int w = copy.Width(), h = copy.Height();
        ui::win32::MemoryDc memory(screenDc);
        BITMAPINFO info = ui::win32::TopDownDibInfo(w, h);
        void* bits = nullptr;
        ui::win32::BitmapHandle dib(CreateDIBSection(screenDc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        if (!memory || !dib || !bits)
            return;
        ui::win32::ScopedSelect selected(memory.Get(), dib.Get());
        BitBlt(memory.Get(), 0, 0, w, h, screenDc, screen.left, screen.top, SRCCOPY);
        GdiFlush();
        const auto* pixels = static_cast<const std::uint32_t*>(bits);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                copy.SetPixel(x, y, ui::PixelToColor(pixels[static_cast<std::size_t>(y) * w + x] & 0xFFFFFF));
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
