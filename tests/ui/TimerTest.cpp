// Timers and the message loop on the virtual clock.
#include <memory>
#include <string>
#include <vector>

#include "tests/ui/UiFixture.h"
#include "ui/Button.h"
#include "ui/Form.h"
#include "ui/Timer.h"

namespace vx::ui {
namespace {

using TimerTest = UiFixture;

TEST_F(TimerTest, TicksFollowTheVirtualClockOnly)
{
    Timer timer;
    std::vector<std::uint64_t> ticks;
    timer.OnTimer = [&] { ticks.push_back(host.NowMs()); };
    timer.SetInterval(45);
    timer.SetEnabled(true);
    host.Advance(44);
    EXPECT_TRUE(ticks.empty());
    host.Advance(100);
    EXPECT_EQ(ticks, (std::vector<std::uint64_t>{45, 90, 135}));
    timer.SetEnabled(false);
    host.Advance(1000);
    EXPECT_EQ(ticks.size(), 3u);
    EXPECT_EQ(host.RunningTimers(), 0u);
}

TEST_F(TimerTest, SleepMovesTheClockWithoutDispatchingAndOneTickCatchesUp)
{
    Timer timer;
    int ticks = 0;
    timer.OnTimer = [&] { ++ticks; };
    timer.SetInterval(100);
    timer.SetEnabled(true);
    app.Sleep(550);
    EXPECT_EQ(ticks, 0);
    EXPECT_EQ(app.NowMs(), 550u);
    app.ProcessMessages();
    EXPECT_EQ(ticks, 1);  // like WM_TIMER: no backlog of missed ticks
}

TEST_F(TimerTest, AHandlerThatProcessesMessagesIsNotReentered)
{
    Timer timer;
    int depth = 0;
    int maxDepth = 0;
    int ticks = 0;
    timer.SetInterval(10);
    timer.OnTimer = [&] {
        ++ticks;
        maxDepth = std::max(maxDepth, ++depth);
        for (int i = 0; i < 5; ++i) {
            app.Sleep(10);
            app.ProcessMessages();
        }
        --depth;
    };
    timer.SetEnabled(true);
    host.Advance(200);
    EXPECT_EQ(maxDepth, 1);
    EXPECT_GT(ticks, 1);
}

TEST_F(TimerTest, ClicksRunInsideAHandlerThatProcessesMessages)
{
    // A long step that keeps the window responsive, as a pause loop does.
    Form form;
    form.SetClientSize(200, 100);
    Button btnCancel(&form);
    btnCancel.SetBounds(10, 10, 80, 25);
    bool cancelled = false;
    btnCancel.OnClick = [&] { cancelled = true; };
    Timer timer;
    timer.SetInterval(500);
    std::vector<std::string> trace;
    timer.OnTimer = [&] {
        timer.SetEnabled(false);
        for (int step = 1; step <= 6 && !cancelled; ++step) {
            const std::uint64_t until = app.NowMs() + 1500;
            while (app.NowMs() < until) {
                app.ProcessMessages();
                app.Sleep(10);
            }
            trace.push_back("step " + std::to_string(step));
        }
        form.SetModalResult(cancelled ? ModalResult::No : ModalResult::Yes);
    };
    form.OnShow = [&] { timer.SetEnabled(true); };
    host.Then(2500, [&] { user.Click(btnCancel); });
    EXPECT_EQ(form.ShowModal(), ModalResult::No);
    EXPECT_EQ(trace, (std::vector<std::string>{"step 1", "step 2"}));
    EXPECT_GE(host.NowMs(), 3500u);
}

TEST_F(TimerTest, ChangingTheIntervalStartsItAgain)
{
    Timer timer;
    std::vector<std::uint64_t> ticks;
    timer.OnTimer = [&] { ticks.push_back(host.NowMs()); };
    timer.SetInterval(100);
    timer.SetEnabled(true);
    host.Advance(80);
    timer.SetInterval(50);
    host.Advance(60);
    EXPECT_EQ(ticks, std::vector<std::uint64_t>{130});
}

TEST_F(TimerTest, AHandlerMayDestroyItsOwnTimer)
{
    auto timer = std::make_unique<Timer>();
    int ticks = 0;
    timer->SetInterval(10);
    timer->OnTimer = [&] {
        ++ticks;
        timer.reset();
    };
    timer->SetEnabled(true);
    host.Advance(100);
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(host.RunningTimers(), 0u);
}

}  // namespace
}  // namespace vx::ui
