// A whole program run on the host, start to end: a hidden main window that drives
// nested modal windows from its show step, a timed page, message boxes answered
// by the script, and the end of the program from deep inside.
#include <string>
#include <vector>

#include "platform/host/HostMessageBoxes.h"
#include "tests/ui/UiFixture.h"
#include "ui/Button.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/Timer.h"

namespace vx::ui {
namespace {

using platform::MsgAnswer;

class Page : public Form {
public:
    Page()
    {
        SetName("page");
        SetClientSize(300, 200);
        btnQuit.SetName("btnQuit");
        btnQuit.SetBounds(200, 160, 80, 25);
        btnQuit.OnClick = [this] { Quit(); };
        btnGo.SetName("btnGo");
        btnGo.SetBounds(10, 160, 80, 25);
        btnGo.SetEnabled(false);
        btnGo.OnClick = [this] { SetModalResult(ModalResult::Yes); };
        tmrReveal.SetInterval(500);
        tmrReveal.OnTimer = [this] { Reveal(); };
        OnShow = [this] { tmrReveal.SetEnabled(true); };
    }
    Button btnQuit{this};
    Button btnGo{this};
    Label lblStep{this};
    Timer tmrReveal;
    std::vector<std::uint64_t> steps;

private:
    void Reveal()
    {
        tmrReveal.SetEnabled(false);
        for (int i = 1; i <= 3; ++i) {
            const std::uint64_t until = Application::Current().NowMs() + 1500;
            while (Application::Current().NowMs() < until) {
                Application::Current().ProcessMessages();
                Application::Current().Sleep(10);
            }
            lblStep.SetCaption("step " + std::to_string(i));
            steps.push_back(Application::Current().NowMs());
        }
        btnGo.SetEnabled(true);
    }
    void Quit()
    {
        const MsgAnswer answer = platform::ShowMessageBox(
            {"Are you sure you want to quit ?", "Information", platform::MsgIcon::Question, platform::MsgButtons::YesNo});
        if (answer == MsgAnswer::Yes)
            Application::Current().Terminate();
    }
};

class Dispatcher : public Form {
public:
    Dispatcher()
    {
        SetName("dispatcher");
        SetBounds(7000, 0, 100, 100);
        OnShow = [this] {
            for (;;) {
                auto page = MakeForm<Page>();
                results.push_back(page->ShowModal());
                if (results.back() != ModalResult::Yes)
                    return;
            }
        };
    }
    std::vector<ModalResult> results;
};

class ProgramRunTest : public UiFixture {
protected:
    platform::HostMessageBoxes boxes;
    platform::ScopedService<platform::MessageBoxes> useBoxes{boxes};
};

TEST_F(ProgramRunTest, PlaysFromStartToEndOnTheVirtualClock)
{
    app.SetTitle("Velocitrex");
    Dispatcher& dispatcher = app.CreateForm<Dispatcher>();
    boxes.ScriptAnswer(MsgAnswer::No);
    boxes.ScriptAnswer(MsgAnswer::Yes);
    host.Then(100, [&] { user.Click("btnGo"); });        // still disabled: nothing happens
    host.Then(5000, [&] { user.Click("btnGo"); });       // after the three steps
    host.Then(600, [&] { user.Click("btnQuit"); });      // second page: "No" keeps it open
    host.Then(100, [&] { user.Click("btnQuit"); });      // during its first step: "Yes" ends all
    app.Run();

    EXPECT_EQ(dispatcher.results, (std::vector<ModalResult>{ModalResult::Yes, ModalResult::Cancel}));
    ASSERT_EQ(boxes.Shown().size(), 2u);
    EXPECT_EQ(boxes.Shown()[0].caption, "Information");
    EXPECT_EQ(host.ApplicationTitle(), "Velocitrex");
    EXPECT_TRUE(host.QuitRequested());
    EXPECT_EQ(host.ScriptedLeft(), 0u);
    // The second page's step loop, shown at 5100 ms, runs to its end at 5600 + 3 * 1500.
    EXPECT_EQ(host.NowMs(), 10100u);
}

}  // namespace
}  // namespace vx::ui
