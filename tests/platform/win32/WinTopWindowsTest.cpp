// Finding a real window by title, posting it the close request and waiting until
// it is gone. Windows need a display: without one these tests are skipped, and
// CTest runs them again on a virtual display.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/win32/WinTopWindows.h"

namespace vx::platform {
namespace {

constexpr const char* Title = "Vx Running Copy Probe";

// The default procedure destroys a window on WM_CLOSE; this one refuses.
LRESULT CALLBACK RefusingProc(HWND window, UINT message, WPARAM w, LPARAM l)
{
    return message == WM_CLOSE ? 0 : DefWindowProcA(window, message, w, l);
}

HWND MakeWindow(const char* title, WNDPROC proc)
{
    WNDCLASSA cls{};
    cls.lpfnWndProc = proc;
    cls.hInstance = GetModuleHandleA(nullptr);
    cls.lpszClassName = proc == &DefWindowProcA ? "VxProbeDefault" : "VxProbeRefusing";
    RegisterClassA(&cls);
    return CreateWindowExA(0, cls.lpszClassName, title, WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                           cls.hInstance, nullptr);
}

struct PumpLoop {
    void ProcessMessages()
    {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    void Sleep(unsigned ms) { ::Sleep(ms); }
    std::uint64_t NowMs() const { return GetTickCount(); }
};

class WinWindowSearch : public ::testing::Test {
protected:
    void SetUp() override
    {
        probe_ = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
        if (!probe_)
            GTEST_SKIP() << "no display for windows";
    }
    void TearDown() override
    {
        if (probe_)
            DestroyWindow(probe_);
    }

    platform::WinTopWindows windows;
    PumpLoop loop;

private:
    HWND probe_ = nullptr;
};

TEST_F(WinWindowSearch, FindsAHiddenWindowByTitleWhateverTheCase)
{
    const HWND window = MakeWindow(Title, &DefWindowProcA);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(windows.FindByTitle("VX RUNNING COPY PROBE"), reinterpret_cast<WindowId>(window));
    EXPECT_EQ(windows.FindByTitle("Vx Running Copy"), std::nullopt);
    DestroyWindow(window);
    EXPECT_EQ(windows.FindByTitle(Title), std::nullopt);
}

TEST_F(WinWindowSearch, PostedCloseEndsTheWindowWhileTheWaitHandlesMessages)
{
    const HWND window = MakeWindow(Title, &DefWindowProcA);
    const WindowId id = reinterpret_cast<WindowId>(window);
    ASSERT_TRUE(windows.PostClose(id));
    // Posted, not sent: the window is still there until messages are handled.
    EXPECT_TRUE(windows.Exists(id));
    EXPECT_TRUE(WaitUntilWindowGone(windows, id, 2000, LoopHooks(loop)));
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(WinWindowSearch, WaitGivesUpOnAWindowThatStays)
{
    const HWND window = MakeWindow(Title, &RefusingProc);
    const WindowId id = reinterpret_cast<WindowId>(window);
    ASSERT_TRUE(windows.PostClose(id));
    const DWORD start = GetTickCount();
    EXPECT_FALSE(WaitUntilWindowGone(windows, id, 150, LoopHooks(loop)));
    const DWORD waited = GetTickCount() - start;
    EXPECT_GE(waited, 140u);
    EXPECT_LT(waited, 1000u);
    EXPECT_TRUE(windows.Exists(id));
    DestroyWindow(window);
    EXPECT_FALSE(windows.Exists(id));
}

}  // namespace
}  // namespace vx::platform
