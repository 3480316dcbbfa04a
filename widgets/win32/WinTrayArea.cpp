// The notification area through Shell_NotifyIconA, with a hidden top-level window
// per icon (a message-only window would miss the "TaskbarCreated" broadcast).
#include <windows.h>
#include <shellapi.h>

#include <cstring>
#include <vector>

#include "ui/win32/DibInfo.h"
#include "widgets/TrayArea.h"

namespace vx::widgets {

namespace {

constexpr const char* WindowClass = "VxTrayIconWindow";

UINT TaskbarCreatedMessage()
{
    static const UINT message = RegisterWindowMessageA("TaskbarCreated");
    return message;
}

LRESULT CALLBACK TrayWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto* listener = reinterpret_cast<TrayListener*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (listener) {
        if (msg == TrayCallbackMessage) {
            listener->TrayMouse(static_cast<unsigned>(lParam));
            return 0;
        }
        if (msg == TrayRefreshTipMessage) {
            listener->TrayRefreshTip();
            return 0;
        }
        if (msg == TaskbarCreatedMessage() && msg != 0) {
            listener->TaskbarCreated();
            return 0;
        }
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

void RegisterClassOnce()
{
    static const bool registered = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = TrayWndProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = WindowClass;
        return RegisterClassA(&wc) != 0;
    }();
    (void)registered;
}

// An icon from the picture; pixels of its bottom-left colour are transparent.
HICON MakeIcon(const ui::Bitmap& picture)
{
    if (picture.Empty())
        return nullptr;
    const int w = picture.Width(), h = picture.Height();
    const ui::Color key = picture.Pixel(0, h - 1);
    std::vector<std::uint32_t> colour(static_cast<std::size_t>(w) * h);
    const int stride = ((w + 15) / 16) * 2;  // mask rows are WORD-aligned
    std::vector<std::uint8_t> mask(static_cast<std::size_t>(stride) * h, 0);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const ui::Color c = picture.Pixel(x, y);
            const bool clear = c == key;
            colour[static_cast<std::size_t>(y) * w + x] = clear ? 0 : ui::ColorToPixel(c);
            if (clear)
                mask[static_cast<std::size_t>(y) * stride + x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        }
    }
    BITMAPINFO info = ui::win32::TopDownDibInfo(w, h);
    HDC screen = GetDC(nullptr);
    HBITMAP colourBitmap = CreateCompatibleBitmap(screen, w, h);
    SetDIBits(screen, colourBitmap, 0, static_cast<UINT>(h), colour.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    HBITMAP maskBitmap = CreateBitmap(w, h, 1, 1, mask.data());
    ICONINFO icon{};
    icon.fIcon = TRUE;
    icon.hbmColor = colourBitmap;
    icon.hbmMask = maskBitmap;
    HICON result = CreateIconIndirect(&icon);
    DeleteObject(colourBitmap);
    DeleteObject(maskBitmap);
    return result;
}

class WinTrayWindow : public TrayWindow {
public:
    explicit WinTrayWindow(TrayListener& listener)
    {
        RegisterClassOnce();
        TaskbarCreatedMessage();
        hwnd_ = CreateWindowExA(WS_EX_TOOLWINDOW, WindowClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
        if (hwnd_)
            SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&listener));
    }
    ~WinTrayWindow() override
    {
        if (hwnd_)
            DestroyWindow(hwnd_);
        if (icon_)
            DestroyIcon(icon_);
    }

    bool Notify(TrayAction action, const TrayIconRecord& record) override
    {
        HICON old = icon_;
        if (action != TrayAction::Delete)
            icon_ = MakeIcon(record.icon);
        NOTIFYICONDATAA data{};
        data.cbSize = record.size;  // 88: the record every Windows since 95 knows
        data.hWnd = hwnd_;
        data.uID = record.id;
        data.uFlags = record.flags;
        data.uCallbackMessage = record.callbackMessage;
        data.hIcon = icon_;
        std::strncpy(data.szTip, record.tip.c_str(), sizeof(data.szTip) - 1);
        const DWORD message = action == TrayAction::Add ? NIM_ADD : action == TrayAction::Modify ? NIM_MODIFY : NIM_DELETE;
        const bool ok = Shell_NotifyIconA(message, &data) != FALSE;
        if (old && old != icon_)
            DestroyIcon(old);
        return ok;
    }
    void PostRefreshTip() override { PostMessageA(hwnd_, TrayRefreshTipMessage, 0, 0); }
    void BringToFront() override { SetForegroundWindow(hwnd_); }

private:
    HWND hwnd_ = nullptr;
    HICON icon_ = nullptr;
};

class WinTrayArea : public TrayArea {
public:
    std::unique_ptr<TrayWindow> OpenWindow(TrayListener& listener) override
    {
        return std::make_unique<WinTrayWindow>(listener);
    }
};

}  // namespace

}  // namespace vx::widgets

namespace vx::platform {

template <>
widgets::TrayArea& DefaultService<widgets::TrayArea>()
{
    static widgets::WinTrayArea area;
    return area;
}

}  // namespace vx::platform
