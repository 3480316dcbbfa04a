// The click sound, the responsive pause and the end of the program, on the
// headless backend's virtual clock.
#include "dispatcher/WindowServices.h"

#include <gtest/gtest.h>

#include "dispatcher/ProgramState.h"
#include "platform/host/HostSoundPlayer.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/Timer.h"
#include "ui/host/HostBackend.h"
#include "widgets/AHMWaveHolder.h"
#include "widgets/HostTrayArea.h"
#include "widgets/QV95TrayIcon.h"
#include "widgets/TickSound.h"

namespace vx::dispatcher {
namespace {

class WindowServicesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Program() = ProgramState{};
        widgets::TAHMInternalWave& tick = sounds.AddInternal();
        tick.SetFileContents(widgets::MakeTickWave());
        tick.SetLooped(false);
        Program().sounds = &sounds;
        Program().trayIcon = &icon;
    }
    void TearDown() override { Program() = ProgramState{}; }

    // Virtual milliseconds that f takes.
    template <class F>
    std::uint64_t Duration(F&& f)
    {
        const std::uint64_t start = host.NowMs();
        f();
        return host.NowMs() - start;
    }

    ui::HostBackend host;
    ui::Application app{host};
    platform::HostSoundPlayer player;
    platform::ScopedService<platform::SoundPlayer> scopedPlayer{player};
    widgets::HostTrayArea tray;
    platform::ScopedService<widgets::TrayArea> scopedTray{tray};
    widgets::TAHMWaveHolder sounds;
    widgets::TQV95TrayIcon icon;
};

TEST_F(WindowServicesTest, PauseLastsWholePeriodsOfAQuarterSecond)
{
    // A period is 250.04 ms; on a millisecond clock it ends at 251.
    const struct {
        int count;
        std::uint64_t ms;
    } cases[] = {{0, 0}, {-3, 0}, {1, 251}, {2, 502}, {6, 1506}, {20, 5020}, {21, 251}, {1000, 251}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.count);
        bool result = false;
        EXPECT_EQ(Duration([&] { result = PauseQuarterSeconds(c.count); }), c.ms);
        EXPECT_TRUE(result);
    }
}

TEST_F(WindowServicesTest, SixStepsOfTheAutomaticPageTakeTwelveAndAHalfSeconds)
{
    // 500 ms start delay, then per step a pause of 6 and one of 2.
    const std::uint64_t ms = 500 + Duration([] {
        for (int step = 0; step < 6; ++step) {
            PauseQuarterSeconds(6);
            PauseQuarterSeconds(2);
        }
    });
    EXPECT_NEAR(static_cast<double>(ms), 12500.0, 100.0);
}

TEST_F(WindowServicesTest, PauseKeepsTimersAndScriptedInputRunning)
{
    ui::Timer timer;
    int ticks = 0;
    timer.OnTimer = [&] { ++ticks; };
    timer.SetInterval(100);
    timer.SetEnabled(true);
    std::vector<std::uint64_t> clicks;
    host.Then(600, [&] { clicks.push_back(host.NowMs()); });
    PauseQuarterSeconds(6);
    EXPECT_EQ(ticks, 15);
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_LE(clicks[0], 610u);  // handled within one slice of its time
}

TEST_F(WindowServicesTest, PauseEndsWhenTheProgramEnds)
{
    host.Then(300, [] { CloseProgram(); });
    EXPECT_LE(Duration([] { PauseQuarterSeconds(20); }), 310u);
}

TEST_F(WindowServicesTest, SoundCueCodes)
{
    const struct {
        int code;
        std::size_t plays;  // of the click
        int stops;
    } cases[] = {{0, 1, 0}, {128, 1, 0}, {1, 0, 1}, {2, 0, 0}, {127, 0, 0}, {-1, 0, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        player.Clear();
        PlaySoundCue(c.code);
        EXPECT_EQ(player.History().size(), c.plays);
        EXPECT_EQ(player.StopCount(), c.stops);
    }
    player.Clear();
    PlaySoundCue(0);
    const platform::SoundFlags once{true, false};
    EXPECT_EQ(player.History().at(0).flags, once);
    EXPECT_EQ(player.History().at(0).wave, widgets::MakeTickWave());
}

TEST_F(WindowServicesTest, StopCueEndsAClickThatStillPlays)
{
    PlaySoundCue(0);
    ASSERT_TRUE(player.Playing());
    PlaySoundCue(1);
    EXPECT_FALSE(player.Playing());
    EXPECT_EQ(player.History().size(), 1u);
}

TEST_F(WindowServicesTest, SoundCueHandlesPendingMessages)
{
    bool ran = false;
    host.Then(0, [&] { ran = true; });
    Program().sounds = nullptr;  // before the dispatcher window exists: silent
    PlaySoundCue(0);
    EXPECT_TRUE(ran);
    EXPECT_TRUE(player.History().empty());
}

TEST_F(WindowServicesTest, CloseProgramRemovesTheIconAndClearsChangesPending)
{
    for (bool iconShown : {false, true}) {
        SCOPED_TRACE(iconShown);
        icon.SetActive(iconShown);
        tray.ClearCalls();
        Program().changesPending = true;
        Program().rebootDeferred = true;
        CloseProgram();
        EXPECT_FALSE(icon.Active());
        EXPECT_FALSE(tray.IconShown());
        EXPECT_EQ(tray.Calls().size(), iconShown ? 1u : 0u);
        EXPECT_FALSE(Program().changesPending);
        EXPECT_TRUE(Program().rebootDeferred);
        EXPECT_TRUE(app.Terminated());
    }
}

TEST_F(WindowServicesTest, CloseProgramEndsAnOpenModalWindowWithCancel)
{
    ui::Form dispatcher;  // the main form, as the dispatcher is
    auto page = ui::MakeForm<ui::Form>();
    Program().changesPending = true;
    host.Then(50, [] { CloseProgram(); });
    EXPECT_EQ(page->ShowModal(), ui::ModalResult::Cancel);
    EXPECT_FALSE(Program().changesPending);
}

}  // namespace
}  // namespace vx::dispatcher
