// Forms become top-level windows: placed, shaped, painted and fed with mouse and
// close messages; modal runs disable the other windows; timers tick from the loop.
#include <windows.h>

#include <memory>
#include <vector>

#include "platform/MessageBoxes.h"
#include "tests/ui/win32/WinFixture.h"
#include "ui/Canvas.h"
#include "ui/Form.h"
#include "ui/GraphicControl.h"
#include "ui/PopupMenu.h"
#include "ui/Timer.h"
#include "ui/win32/GdiRegion.h"

namespace vx::ui::win32 {
namespace {

class Block : public GraphicControl {
public:
    using GraphicControl::GraphicControl;
    int paints = 0;

protected:
    void Paint(Canvas& canvas) override
    {
        ++paints;
        canvas.brush = Brush{clRed, BrushStyle::Solid};
        canvas.FillRect(ClientRect());
    }
};

struct BlockForm : Form {
    Block block{this};
    BlockForm()
    {
        SetBorderStyle(BorderStyle::None);
        SetBounds(100, 80, 200, 150);
        block.SetBounds(20, 30, 50, 40);
    }
};

using WinFormTest = WinFixture;

TEST_F(WinFormTest, TheWindowHasTheFormsPlaceCaptionAndBorder)
{
    struct Case {
        BorderStyle border;
        DWORD present;
        DWORD absent;
    };
    const Case cases[] = {
        {BorderStyle::None, WS_POPUP, WS_CAPTION | WS_THICKFRAME},
        {BorderStyle::Single, WS_CAPTION | WS_SYSMENU, WS_THICKFRAME},
        {BorderStyle::Sizeable, WS_CAPTION | WS_THICKFRAME, 0},
        {BorderStyle::Dialog, WS_CAPTION, WS_THICKFRAME | WS_MINIMIZEBOX},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.border));
        auto form = MakeForm<Form>();
        form->SetBorderStyle(c.border);
        form->SetCaption("Placed");
        form->SetBounds(120, 90, 300, 200);
        form->Show();
        HWND hwnd = WindowOf(*form);
        const auto style = static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_STYLE));
        EXPECT_EQ(style & c.present, c.present);
        EXPECT_EQ(style & c.absent, 0u);
        RECT window;
        RECT client;
        GetWindowRect(hwnd, &window);
        GetClientRect(hwnd, &client);
        EXPECT_EQ(window.left, 120);
        EXPECT_EQ(window.top, 90);
        EXPECT_EQ(client.right, 300);
        EXPECT_EQ(client.bottom, 200);
        EXPECT_EQ(WindowText(hwnd), "Placed");
    }
}

TEST_F(WinFormTest, TheUsersMovesReachTheForm)
{
    auto& form = app.CreateForm<BlockForm>();
    form.Show();
    SetWindowPos(WindowOf(form), nullptr, 250, 260, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(form.Left(), 250);
    EXPECT_EQ(form.Top(), 260);
    EXPECT_EQ(form.Width(), 200);
}

TEST_F(WinFormTest, TheWindowRegionIsTheFormsOutlineInWindowCoordinates)
{
    for (const BorderStyle border : {BorderStyle::None, BorderStyle::Single}) {
        SCOPED_TRACE(static_cast<int>(border));
        auto form = MakeForm<Form>();
        form->SetBorderStyle(border);
        form->SetBounds(60, 60, 200, 120);
        const Region outline = Region::FromRoundRect({0, 0, 200, 120}, 40, 40);
        form->SetWindowRegion(outline);
        form->Show();
        HWND hwnd = WindowOf(*form);
        RegionHandle readBack(CreateRectRgn(0, 0, 0, 0));
        ASSERT_NE(GetWindowRgn(hwnd, readBack.Get()), ERROR);
        RECT window;
        GetWindowRect(hwnd, &window);
        POINT client{0, 0};
        ClientToScreen(hwnd, &client);
        Region expected = outline;
        expected.Offset(client.x - window.left, client.y - window.top);
        EXPECT_EQ(FromHrgn(readBack.Get()), expected);

        form->SetWindowRegion(std::nullopt);
        EXPECT_EQ(GetWindowRgn(hwnd, readBack.Get()), ERROR);
    }
}

TEST_F(WinFormTest, GraphicControlsArePaintedByTheirFormOnTheScreen)
{
    auto& form = app.CreateForm<BlockForm>();
    form.Show();
    form.Repaint();
    EXPECT_GT(form.block.paints, 0);
    HDC dc = GetDC(WindowOf(form));
    const COLORREF inside = GetPixel(dc, 30, 40);
    const COLORREF outside = GetPixel(dc, 5, 5);
    ReleaseDC(WindowOf(form), dc);
    EXPECT_EQ(inside, RGB(255, 0, 0));
    EXPECT_EQ(outside, ColorToRgb(clBtnFace));
}

TEST_F(WinFormTest, MouseMessagesReachTheGraphicControlUnderThePointer)
{
    auto& form = app.CreateForm<BlockForm>();
    form.Show();
    int clicks = 0;
    Point down;
    form.block.OnClick = [&] { ++clicks; };
    form.block.OnMouseDown = [&](MouseButton, ShiftState, Point p) { down = p; };
    HWND hwnd = WindowOf(form);
    SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(25, 35));
    EXPECT_EQ(GetCapture(), hwnd);  // the press holds the mouse until the release
    SendMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(26, 36));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(down, (Point{5, 5}));
    EXPECT_NE(GetCapture(), hwnd);
    // Pressed on the block, released beside it: no click.
    SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(25, 35));
    SendMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(150, 100));
    EXPECT_EQ(clicks, 1);
}

TEST_F(WinFormTest, MouseLeaveFollowsThePointerOffTheWindow)
{
    auto& form = app.CreateForm<BlockForm>();
    form.Show();
    int enters = 0;
    int leaves = 0;
    form.block.OnMouseEnter = [&] { ++enters; };
    form.block.OnMouseLeave = [&] { ++leaves; };
    const Point origin = form.Peer()->ClientOrigin();
    SetCursorPos(origin.x + 30, origin.y + 40);
    SendMessageA(WindowOf(form), WM_MOUSEMOVE, 0, MAKELPARAM(30, 40));
    EXPECT_EQ(enters, 1);
    // No message says that the pointer has gone.
    SetCursorPos(origin.x + 600, origin.y + 500);
    EXPECT_TRUE(PumpUntil([&] { return leaves == 1; }, 1000));
}

TEST_F(WinFormTest, APopupMenuOffersTheVisibleItemsAndReturnsTheChosenOne)
{
    PopupMenu menu;
    MenuItem hidden(menu);
    hidden.SetCaption("Hidden");
    hidden.SetVisible(false);
    MenuItem open(menu);
    open.SetCaption("&Open");
    MenuItem separator(menu);
    separator.SetCaption("-");
    MenuItem quit(menu);
    quit.SetCaption("E&xit");
    // The menu's own loop reads keys queued before it opened; a stuck menu ends.
    Timer safety;
    safety.SetInterval(3000);
    safety.OnTimer = [] { EndMenu(); };
    safety.SetEnabled(true);
    struct Case {
        std::vector<WPARAM> keys;
        MenuItem* chosen;
    };
    const Case cases[] = {
        {{VK_DOWN, VK_RETURN}, &open},
        {{VK_DOWN, VK_DOWN, VK_RETURN}, &quit},  // over the separator, never onto the hidden item
        {{VK_ESCAPE}, nullptr},
    };
    for (const Case& c : cases) {
        for (WPARAM key : c.keys)
            PostMessageA(backend.ApplicationWindow(), WM_KEYDOWN, key, 0);
        EXPECT_EQ(backend.TrackPopupMenu(menu, {200, 200}), c.chosen);
        Pump(20);
    }
}

TEST_F(WinFormTest, ClosingTheMainWindowEndsTheProgram)
{
    auto& form = app.CreateForm<BlockForm>();
    form.Show();
    PostMessageA(WindowOf(form), WM_CLOSE, 0, 0);
    app.Run();  // returns once the close arrives
    EXPECT_TRUE(app.Terminated());
    EXPECT_FALSE(backend.DispatchNext(false));
}

TEST_F(WinFormTest, TimersTickFromTheMessageLoopUntilStopped)
{
    Timer timer;
    int ticks = 0;
    timer.OnTimer = [&] {
        if (++ticks == 3)
            timer.SetEnabled(false);
    };
    timer.SetInterval(20);
    timer.SetEnabled(true);
    EXPECT_TRUE(PumpUntil([&] { return ticks == 3; }));
    Pump(100);
    EXPECT_EQ(ticks, 3);
}

TEST_F(WinFormTest, AModalRunDisablesTheOtherWindowsUntilItEnds)
{
    auto& owner = app.CreateForm<BlockForm>();
    owner.Show();
    auto& dialog = app.CreateForm<BlockForm>();
    dialog.SetBounds(140, 120, 150, 100);
    bool ownerEnabledDuringRun = true;
    bool dialogEnabledDuringRun = false;
    Timer answer;
    answer.SetInterval(30);
    answer.OnTimer = [&] {
        ownerEnabledDuringRun = IsWindowEnabled(WindowOf(owner)) != FALSE;
        dialogEnabledDuringRun = IsWindowEnabled(WindowOf(dialog)) != FALSE;
        dialog.SetModalResult(ModalResult::Ok);
    };
    answer.SetEnabled(true);
    EXPECT_EQ(dialog.ShowModal(), ModalResult::Ok);
    EXPECT_FALSE(ownerEnabledDuringRun);
    EXPECT_TRUE(dialogEnabledDuringRun);
    EXPECT_TRUE(IsWindowEnabled(WindowOf(owner)));
    EXPECT_FALSE(IsWindowVisible(WindowOf(dialog)));
}

TEST_F(WinFormTest, TerminateEndsTheModalRunsWithCancel)
{
    auto& owner = app.CreateForm<BlockForm>();
    owner.Show();
    auto& outer = app.CreateForm<BlockForm>();
    auto& inner = app.CreateForm<BlockForm>();
    ModalResult innerResult = ModalResult::None;
    Timer start;
    start.SetInterval(20);
    start.OnTimer = [&] {
        start.SetEnabled(false);
        innerResult = inner.ShowModal();
    };
    Timer stop;
    stop.SetInterval(80);
    stop.OnTimer = [&] { app.Terminate(); };
    start.SetEnabled(true);
    stop.SetEnabled(true);
    EXPECT_EQ(outer.ShowModal(), ModalResult::Cancel);
    EXPECT_EQ(innerResult, ModalResult::Cancel);
}

TEST_F(WinFormTest, TheApplicationWindowCarriesTheTitle)
{
    app.SetTitle("Velocitrex Gallery Test");
    HWND found = FindWindowA(nullptr, "Velocitrex Gallery Test");
    EXPECT_EQ(found, backend.ApplicationWindow());
}

// A windowless control's handler destroys its form while the form's window is
// handling the mouse message; Release waits until the message has been handled.
TEST_F(WinFormTest, AClickHandlerMayDestroyOrReleaseItsForm)
{
    for (bool release : {false, true}) {
        SCOPED_TRACE(release ? "released" : "destroyed");
        std::unique_ptr<BlockForm> held = MakeForm<BlockForm>();
        BlockForm& form = release ? static_cast<BlockForm&>(app.Adopt(std::move(held))) : *held;
        form.Show();
        HWND hwnd = WindowOf(form);
        bool windowDuringHandler = false;
        form.block.OnClick = [&] {
            if (release)
                form.Release();
            else
                held.reset();
            windowDuringHandler = IsWindow(hwnd) != FALSE;
        };
        PostMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(25, 35));
        PostMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(25, 35));
        EXPECT_TRUE(PumpUntil([&] { return !IsWindow(hwnd); }, 1000));
        EXPECT_EQ(windowDuringHandler, release);
        EXPECT_EQ(app.Forms().size(), 0u);
    }
}

TEST_F(WinFormTest, AModalFormIsAnOwnedWindowOfTheActiveForm)
{
    auto& main = app.CreateForm<BlockForm>();
    main.Show();
    auto& dialog = app.CreateForm<BlockForm>();
    dialog.SetBounds(140, 120, 150, 100);
    PumpUntil([&] { return GetActiveWindow() == WindowOf(main); }, 1000);
    HWND ownerDuringRun = nullptr;
    bool dialogAboveOwner = false;
    Timer look;
    look.SetInterval(30);
    look.OnTimer = [&] {
        ownerDuringRun = GetWindow(WindowOf(dialog), GW_OWNER);
        for (HWND w = GetWindow(WindowOf(main), GW_HWNDPREV); w; w = GetWindow(w, GW_HWNDPREV))
            dialogAboveOwner = dialogAboveOwner || w == WindowOf(dialog);
        dialog.SetModalResult(ModalResult::Ok);
    };
    look.SetEnabled(true);
    EXPECT_EQ(dialog.ShowModal(), ModalResult::Ok);
    EXPECT_EQ(ownerDuringRun, WindowOf(main));
    EXPECT_TRUE(dialogAboveOwner);
    EXPECT_EQ(GetWindow(WindowOf(dialog), GW_OWNER), nullptr);
}

// Windows' own loop of the box dispatches the program's timer ticks.
TEST_F(WinFormTest, AMessageBoxIsOwnedByTheActiveFormAndCaptionedWithTheTitle)
{
    app.SetTitle("Velocitrex Box Test");
    auto& main = app.CreateForm<BlockForm>();
    main.Show();
    PumpUntil([&] { return GetActiveWindow() == WindowOf(main); }, 1000);
    HWND box = nullptr;
    HWND owner = nullptr;
    bool mainEnabled = true;
    int ticks = 0;
    Timer answer;
    answer.SetInterval(30);
    answer.OnTimer = [&] {
        ++ticks;
        box = FindWindowA("#32770", "Velocitrex Box Test");
        if (!box || ticks < 3)
            return;
        owner = GetWindow(box, GW_OWNER);
        mainEnabled = IsWindowEnabled(WindowOf(main)) != FALSE;
        PostMessageA(box, WM_COMMAND, IDNO, 0);
    };
    answer.SetEnabled(true);
    const platform::MsgAnswer result =
        platform::ShowMessageBox({"Quit ?", "", platform::MsgIcon::Question, platform::MsgButtons::YesNo});
    answer.SetEnabled(false);
    EXPECT_EQ(result, platform::MsgAnswer::No);
    EXPECT_GE(ticks, 3);
    EXPECT_EQ(owner, WindowOf(main));
    EXPECT_FALSE(mainEnabled);
    EXPECT_TRUE(IsWindowEnabled(WindowOf(main)));
    EXPECT_EQ(GetActiveWindow(), WindowOf(main));
}

}  // namespace
}  // namespace vx::ui::win32
