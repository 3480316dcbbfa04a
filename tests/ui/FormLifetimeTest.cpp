// Forms that go away from their own event handlers, and native controls that
// join a form after it is shown.
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/ui/UiFixture.h"
#include "ui/Button.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/GraphicControl.h"
#include "ui/Timer.h"

namespace vx::ui {
namespace {

// A windowless control with a click event, as the skinned buttons are.
class Tile : public GraphicControl {
public:
    using GraphicControl::GraphicControl;

protected:
    void Paint(Canvas&) override {}
};

class Page : public Form {
public:
    Page()
    {
        SetName("page");
        SetBorderStyle(BorderStyle::None);
        SetBounds(100, 100, 200, 100);
        tile.SetName("tile");
        tile.SetBounds(10, 10, 50, 30);
        btnGo.SetName("btnGo");
        btnGo.SetBounds(100, 10, 60, 25);
    }
    Tile tile{this};
    Button btnGo{this};
};

// Counts its destructions.
class CountedPage : public Page {
public:
    explicit CountedPage(int& gone) : gone_(gone) {}
    ~CountedPage() override { ++gone_; }

private:
    int& gone_;
};

using FormLifetimeTest = UiFixture;

// Each way a handler can be reached from the user's input; the handler destroys
// the whole form while its event is still being dispatched.
TEST_F(FormLifetimeTest, AHandlerMayDestroyItsOwnForm)
{
    struct Case {
        const char* what;
        void (*arm)(Page&, const std::function<void()>&);
        void (*act)(HostUser&, Page&);
    };
    const std::vector<Case> cases = {
        {"windowless click", [](Page& p, const std::function<void()>& f) { p.tile.OnClick = f; },
         [](HostUser& u, Page& p) { u.Click(p.tile); }},
        {"windowless press", [](Page& p, const std::function<void()>& f) { p.tile.OnMouseDown = [f](MouseButton, ShiftState, Point) { f(); }; },
         [](HostUser& u, Page& p) { u.Click(p.tile); }},
        {"leaving a control", [](Page& p, const std::function<void()>& f) { p.tile.OnMouseLeave = f; },
         [](HostUser& u, Page& p) {
             u.MoveTo(p.tile);
             u.MoveTo(p.btnGo);
         }},
        {"native click", [](Page& p, const std::function<void()>& f) { p.btnGo.OnClick = f; },
         [](HostUser& u, Page& p) { u.Click(p.btnGo); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto page = std::make_unique<Page>();
        page->Show();
        app.ProcessMessages();
        int runs = 0;
        c.arm(*page, [&] {
            ++runs;
            page.reset();
        });
        c.act(user, *page);
        EXPECT_EQ(runs, 1);
        EXPECT_EQ(page, nullptr);
        EXPECT_TRUE(host.WindowsTopFirst().empty());
    }
}

TEST_F(FormLifetimeTest, AModalFormDestroyedDuringItsRunEndsItWithCancel)
{
    auto page = std::make_unique<Page>();
    page->tile.OnClick = [&] { page.reset(); };
    host.Then(10, [&] { user.Click(page->tile); });
    EXPECT_EQ(page->ShowModal(), ModalResult::Cancel);
    EXPECT_EQ(page, nullptr);
    EXPECT_EQ(app.TopModal(), nullptr);
}

TEST_F(FormLifetimeTest, ANativeControlMadeOnAShownFormGetsItsWindowOnTheNextTurnOfTheLoop)
{
    Page page;
    page.Show();
    std::unique_ptr<Edit> late;
    int clicks = 0;
    page.btnGo.OnClick = [&] {
        late = std::make_unique<Edit>(&page);
        late->SetName("edtLate");
        late->SetBounds(10, 50, 100, 21);
        // Not on screen yet: a person could not type into it.
        user.Type(*late, "now");
        ++clicks;
    };
    host.Then(10, [&] { user.Click(page.btnGo); });
    host.Then(10, [&] { user.Type("edtLate", "later"); });
    host.Advance(100);
    EXPECT_EQ(clicks, 1);
    ASSERT_NE(late, nullptr);
    EXPECT_NE(late->Peer(), nullptr);
    EXPECT_EQ(late->Text(), "later");
    EXPECT_EQ(user.IgnoredInputs(), 1);
}

// The form goes once the event that released it has returned, even when the
// handler lets other messages run first (as PlaySoundCue does).
TEST_F(FormLifetimeTest, AReleasedFormGoesWhenTheEventThatReleasedItIsDone)
{
    int gone = 0;
    auto& page = app.CreateForm<CountedPage>(gone);
    page.Show();
    Timer tmrTick;
    int ticks = 0;
    tmrTick.OnTimer = [&] { ++ticks; };
    tmrTick.SetInterval(10);
    tmrTick.SetEnabled(true);
    page.tile.OnClick = [&] {
        page.Release();
        page.Release();  // twice is once
        const std::uint64_t until = app.NowMs() + 50;
        while (app.NowMs() < until) {
            app.ProcessMessages();
            app.Sleep(10);
        }
        EXPECT_EQ(gone, 0);
        page.tile.SetCaption("still here");
    };
    host.Then(10, [&] { user.Click(page.tile); });
    host.Advance(100);
    EXPECT_GT(ticks, 3);
    EXPECT_EQ(gone, 1);
    EXPECT_TRUE(host.WindowsTopFirst().empty());
}

TEST_F(FormLifetimeTest, AReleasedModalFormEndsItsRunAndGoesAfterTheEventThatRanIt)
{
    int gone = 0;
    auto& page = app.CreateForm<CountedPage>(gone);
    Page& main = app.CreateForm<Page>();
    main.SetName("main");
    ModalResult result = ModalResult::None;
    main.btnGo.OnClick = [&] {
        result = page.ShowModal();
        EXPECT_EQ(gone, 0);  // the caller may still read the page
    };
    page.btnGo.OnClick = [&] { page.Release(); };
    main.Show();
    host.Then(10, [&] { user.Click(main.btnGo); });
    host.Then(10, [&] { user.Click(page.btnGo); });
    host.Advance(100);
    EXPECT_EQ(result, ModalResult::Cancel);
    EXPECT_EQ(gone, 1);
}

TEST_F(FormLifetimeTest, OnlyAFormOfTheApplicationCanBeReleased)
{
    int gone = 0;
    auto mine = MakeForm<CountedPage>(gone);
    EXPECT_THROW(mine->Release(), std::logic_error);
    Form& adopted = app.Adopt(std::move(mine));
    adopted.Release();
    app.ProcessMessages();
    EXPECT_EQ(gone, 1);
}

}  // namespace
}  // namespace vx::ui
