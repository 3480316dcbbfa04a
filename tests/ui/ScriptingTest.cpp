// What scripts and simulators get from the host: message boxes answered from a
// queue on the virtual clock, listeners for a transcript, the close request of a
// person and the whole screen as a picture.
#include <string>
#include <vector>

#include "platform/MessageBoxes.h"
#include "tests/ui/UiFixture.h"
#include "ui/Button.h"
#include "ui/Form.h"
#include "ui/PopupMenu.h"
#include "ui/Timer.h"
#include "ui/host/FormRenderer.h"

namespace vx::ui {
namespace {

using platform::MsgAnswer;
using platform::MsgButtons;
using platform::MsgIcon;

class Window : public Form {
public:
    Window(const char* name, int left, Color color)
    {
        SetName(name);
        SetCaption(name);
        SetBounds(left, 100, 200, 120);
        SetColor(color);
        btnGo.SetName("btnGo");
        btnGo.SetBounds(10, 80, 70, 25);
    }
    Button btnGo{this};
};

platform::MessageRequest Question(const char* caption = "Information")
{
    return {"Are you sure you want to quit ?", caption, MsgIcon::Question, MsgButtons::YesNo};
}

// Writes what the host tells, as a simulator's transcript does.
class Transcript : public HostListener {
public:
    explicit Transcript(HostBackend& host) : host_(host) { host_.AddListener(*this); }
    ~Transcript() { host_.RemoveListener(*this); }

    void FormShown(Form& form) override { Add("show " + form.Name()); }
    void FormHidden(Form& form) override { Add("hide " + form.Name()); }
    void ModalEnded(Form& form, ModalResult result) override
    {
        Add("modal-end " + form.Name() + " " + std::to_string(static_cast<int>(result)));
    }
    void MessageBoxAnswered(const HostMessageBox& box) override
    {
        Add("messagebox \"" + box.request.caption + "\" -> " + std::to_string(static_cast<int>(box.answer)));
    }
    void MenuShown(const PopupMenu& menu, const std::string& chosen) override { Add("menu " + menu.Name() + " " + chosen); }

    std::vector<std::string> lines;

private:
    void Add(const std::string& line) { lines.push_back(std::to_string(host_.NowMs()) + " " + line); }
    HostBackend& host_;
};

using ScriptingTest = UiFixture;

// Windows' own loop of a message box keeps timers going; the user reads the box
// and answers, and only then does anything else.
TEST_F(ScriptingTest, AMessageBoxIsModalTakesItsReadingTimeAndLetsTimersRun)
{
    app.SetTitle("Velocitrex");
    Window main("main", 100, clWhite);
    main.Show();
    Timer tmrTick;
    std::vector<bool> mainTookInput;
    tmrTick.OnTimer = [&] { mainTookInput.push_back(main.AcceptsInput()); };
    tmrTick.SetInterval(100);
    MsgAnswer answer = MsgAnswer::Cancel;
    std::uint64_t nextAction = 0;
    main.btnGo.OnClick = [&] {
        tmrTick.SetEnabled(true);
        answer = platform::ShowMessageBox(Question());
        tmrTick.SetEnabled(false);
        platform::ShowPlainMessage("Done");
    };
    host.AnswerMessageBox(MsgAnswer::Yes, 1000);
    host.AnswerMessageBox(MsgAnswer::Ok, 0);
    host.Then(10, [&] { user.Click(main.btnGo); });
    host.Then(100, [&] { nextAction = host.NowMs(); });
    host.Advance(2000);
    EXPECT_EQ(answer, MsgAnswer::Yes);
    EXPECT_EQ(mainTookInput, std::vector<bool>(10, false));
    EXPECT_EQ(nextAction, 1010u);  // due at 110 ms, run once the box was answered
    ASSERT_EQ(host.MessageBoxesShown().size(), 2u);
    const HostMessageBox& first = host.MessageBoxesShown()[0];
    EXPECT_EQ(first.owner, "main");
    EXPECT_EQ(first.shownAt, 10u);
    EXPECT_EQ(first.request.caption, "Information");
    EXPECT_EQ(host.MessageBoxesShown()[1].request.caption, "Velocitrex");  // a plain box has the title
    EXPECT_TRUE(main.AcceptsInput());
}

TEST_F(ScriptingTest, AnUnexpectedMessageBoxOrAnswerIsAnErrorNotAHang)
{
    EXPECT_THROW(platform::ShowMessageBox(Question()), HostUnansweredError);
    host.AnswerMessageBox(MsgAnswer::Ok);
    EXPECT_THROW(platform::ShowMessageBox(Question()), std::logic_error);
    EXPECT_FALSE(app.ModalRunning());
    EXPECT_EQ(host.AnswersLeft(), 0u);
}

TEST_F(ScriptingTest, ListenersHearTheRunInOrder)
{
    Window main("main", 100, clWhite);
    Window page("page", 400, clWhite);
    PopupMenu popIcon;
    popIcon.SetName("popIcon");
    MenuItem about1(popIcon);
    about1.SetName("About1");
    main.btnGo.OnClick = [&] { page.ShowModal(); };
    page.btnGo.OnClick = [&] {
        if (platform::ShowMessageBox(Question()) == MsgAnswer::Yes)
            page.SetModalResult(ModalResult::Yes);
    };
    Transcript transcript(host);
    main.Show();
    host.AnswerMessageBox(MsgAnswer::Yes, 200);
    host.ChooseMenuItem("About1");
    host.Then(10, [&] { user.Click("btnGo"); });
    host.Then(10, [&] { user.Click("btnGo"); });
    host.Then(10, [&] { popIcon.Popup({500, 500}); });
    host.Advance(1000);
    EXPECT_EQ(transcript.lines, (std::vector<std::string>{"0 show main", "10 show page",
                                                          "220 messagebox \"Information\" -> 6", "220 hide page",
                                                          "220 modal-end page 6", "220 menu popIcon About1"}));
}

TEST_F(ScriptingTest, ClosingTheActiveWindowEndsItsRunAndThenTheProgram)
{
    Window main("main", 100, clWhite);
    Window page("page", 400, clWhite);
    ModalResult result = ModalResult::None;
    main.OnShow = [&] { result = page.ShowModal(); };
    host.Then(10, [&] { user.CloseActiveWindow(); });
    host.Then(10, [&] { user.CloseActiveWindow(); });
    app.Run();
    EXPECT_EQ(result, ModalResult::Cancel);
    EXPECT_TRUE(app.Terminated());
}

TEST_F(ScriptingTest, TheScreenShowsTheWindowsInZOrderWithTheirFrames)
{
    host.SetScreenSize({640, 480});
    Window back("back", 100, clRed);
    Window front("front", 200, clBlue);
    front.SetBorderStyle(BorderStyle::None);
    front.SetWindowRegion(Region::FromEllipse({0, 0, 200, 120}));
    back.Show();
    front.Show();
    const Bitmap screen = RenderScreen(host, clBlack);
    EXPECT_EQ(screen.Width(), 640);
    EXPECT_EQ(screen.Pixel(10, 10), clBlack);           // the desktop
    EXPECT_EQ(screen.Pixel(150, 160), clRed);           // the back window's client area
    EXPECT_EQ(screen.Pixel(300, 160), clBlue);          // the front one above it
    EXPECT_EQ(screen.Pixel(205, 125), clRed);           // outside the front one's region
    EXPECT_EQ(screen.Pixel(150, 110), HostSysColor(SystemColor::InactiveCaption));  // not the active window
    front.Hide();
    EXPECT_EQ(RenderScreen(host).Pixel(150, 110), HostSysColor(SystemColor::ActiveCaption));
}

}  // namespace
}  // namespace vx::ui
