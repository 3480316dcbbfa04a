// Finding another program's window by title, asking it to close and waiting for
// it to go, against scripted windows on a clock that moves only when the wait sleeps.
#include "platform/TopWindows.h"

#include <gtest/gtest.h>

#include "platform/host/HostTopWindows.h"

namespace vx::platform {
namespace {

class TopWindowsTest : public ::testing::Test {
protected:
    // A message loop stand-in: sleeping moves the clock, handling messages is counted.
    struct Loop {
        std::uint64_t now = 1000;
        int processed = 0;
        std::vector<unsigned> sleeps;
        void ProcessMessages() { ++processed; }
        void Sleep(unsigned ms)
        {
            sleeps.push_back(ms);
            now += ms;
        }
        std::uint64_t NowMs() const { return now; }
    };

    Loop loop;
    HostTopWindows windows{[this] { return loop.now; }};
};

TEST_F(TopWindowsTest, TitlesCompareWithoutRegardToCase)
{
    const WindowId copy = windows.Add("Velocitrex");
    EXPECT_EQ(windows.FindByTitle("VELOCITREX"), copy);
    EXPECT_EQ(windows.FindByTitle("Velocitrex 2K3"), std::nullopt);
    EXPECT_EQ(windows.FindByTitle("Velocitre"), std::nullopt);
}

TEST_F(TopWindowsTest, WaitEndsWhenTheWindowGoes)
{
    struct Case {
        const char* what;
        HostTopWindows::Behaviour behaviour;
        unsigned maxMs;
        bool gone;
        std::uint64_t waitedMs;
    };
    const Case cases[] = {
        {"closes at once", {true, 0}, 5000, true, 0},
        {"closes after 35 ms", {true, 35}, 5000, true, 40},
        {"closes just at the limit", {true, 100}, 100, true, 100},
        {"ignores the request", {false, 0}, 250, false, 250},
        {"closes too late", {true, 300}, 95, false, 95},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        loop = Loop{};
        const WindowId window = windows.Add("Copy", c.behaviour);
        ASSERT_TRUE(windows.PostClose(window));
        EXPECT_EQ(WaitUntilWindowGone(windows, window, c.maxMs, LoopHooks(loop)), c.gone);
        EXPECT_EQ(loop.now - 1000, c.waitedMs);
        // Never a slice longer than 10 ms, and messages handled before each.
        for (unsigned ms : loop.sleeps)
            EXPECT_LE(ms, 10u);
        EXPECT_EQ(loop.processed, static_cast<int>(loop.sleeps.size()));
    }
}

TEST_F(TopWindowsTest, WaitForAWindowThatIsNotThereReturnsAtOnce)
{
    EXPECT_TRUE(WaitUntilWindowGone(windows, 0, 1000, LoopHooks(loop)));
    EXPECT_TRUE(loop.sleeps.empty());
}

TEST_F(TopWindowsTest, ClosedWindowIsNoLongerFound)
{
    const WindowId copy = windows.Add("Velocitrex");
    std::vector<std::string> posted;
    windows.OnPostClose = [&](const std::string& title) { posted.push_back(title); };
    ASSERT_TRUE(windows.PostClose(copy));
    EXPECT_EQ(windows.FindByTitle("Velocitrex"), std::nullopt);
    EXPECT_FALSE(windows.PostClose(copy));
    EXPECT_EQ(posted, std::vector<std::string>{"Velocitrex"});
}

}  // namespace
}  // namespace vx::platform
