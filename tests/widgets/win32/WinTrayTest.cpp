// The tray icon's hidden window on Windows: the callback message, the posted
// tip refresh and the "TaskbarCreated" broadcast reach the component.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "widgets/QV95TrayIcon.h"

namespace vx::widgets {
namespace {

// The tray window of this thread, hidden windows included.
HWND TrayWindow()
{
    HWND found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hwnd, LPARAM out) -> BOOL {
            char name[64] = {};
            GetClassNameA(hwnd, name, sizeof name);
            if (std::string(name) != "VxTrayIconWindow")
                return TRUE;
            *reinterpret_cast<HWND*>(out) = hwnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// Without a display (Wine in a terminal) no window can be made.
bool WindowsCanBeMade()
{
    const HWND probe = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    if (probe)
        DestroyWindow(probe);
    return probe != nullptr;
}

class WinTrayIcon : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!WindowsCanBeMade())
            GTEST_SKIP() << "no display for windows";
    }
};

TEST_F(WinTrayIcon, HiddenWindowPassesTheMouseMessagesOn)
{
    TQV95TrayIcon icon;
    std::vector<std::string> log;
    icon.OnClick = [&] { log.push_back("click"); };
    icon.OnDblClick = [&] { log.push_back("double"); };
    const HWND window = TrayWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(IsWindowVisible(window));
    SendMessageA(window, TrayCallbackMessage, 0, TrayLeftButtonUp);
    SendMessageA(window, TrayCallbackMessage, 0, TrayLeftButtonDouble);
    SendMessageA(window, TrayCallbackMessage, 0, WM_MOUSEMOVE);
    EXPECT_EQ(log, (std::vector<std::string>{"click", "double"}));
}

TEST_F(WinTrayIcon, WindowGoesWithTheComponent)
{
    {
        TQV95TrayIcon icon;
        ASSERT_NE(TrayWindow(), nullptr);
    }
    EXPECT_EQ(TrayWindow(), nullptr);
}

TEST_F(WinTrayIcon, IconSurvivesATaskbarBroadcast)
{
    TQV95TrayIcon icon;
    ui::Bitmap picture(16, 16);
    picture.Fill(ui::clBlue);
    picture.SetPixel(0, 15, ui::clFuchsia);
    icon.SetIcon(picture);
    icon.SetToolTip("Velocitrex");
    icon.SetActive(true);
    SendMessageA(TrayWindow(), RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(icon.Active());
    icon.SetActive(false);
}

}  // namespace
}  // namespace vx::widgets
