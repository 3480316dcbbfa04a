// Mouse routing: capture while a button is held, enter and leave, clicks of
// windowless controls, and what a window region and a modal run keep away.
#include <string>
#include <vector>

#include "tests/ui/UiFixture.h"
#include "ui/Button.h"
#include "ui/Form.h"
#include "ui/GraphicControl.h"
#include "ui/Panel.h"

namespace vx::ui {
namespace {

// A windowless control that writes down what happens to it.
class Probe : public GraphicControl {
public:
    Probe(Control* parent, std::string name, std::vector<std::string>& log) : GraphicControl(parent), log_(log)
    {
        SetName(std::move(name));
        OnClick = [this] { Write("click"); };
        OnMouseEnter = [this] { Write("enter"); };
        OnMouseLeave = [this] { Write("leave"); };
        OnMouseDown = [this](MouseButton, ShiftState, Point p) { Write("down " + At(p)); };
        OnMouseUp = [this](MouseButton, ShiftState, Point p) { Write("up " + At(p)); };
    }

protected:
    void Paint(Canvas&) override {}

private:
    static std::string At(Point p) { return std::to_string(p.x) + "," + std::to_string(p.y); }
    void Write(const std::string& what) { log_.push_back(Name() + " " + what); }
    std::vector<std::string>& log_;
};

class MouseForm : public Form {
public:
    MouseForm()
    {
        SetBorderStyle(BorderStyle::None);
        SetBounds(100, 100, 300, 200);
        panel.SetBounds(100, 0, 200, 200);
        a.SetBounds(10, 10, 50, 50);
        b.SetBounds(10, 10, 50, 50);  // on the panel: 110..160 in the form
    }
    std::vector<std::string> log;
    Probe a{this, "a", log};
    Panel panel{this};
    Probe b{&panel, "b", log};
};

using MouseTest = UiFixture;

TEST_F(MouseTest, AHeldButtonKeepsTheCaptureAndEnterLeaveFollowThePointer)
{
    MouseForm form;
    form.Show();
    user.Press(form.a, MouseButton::Left, Point{5, 5});
    user.MoveTo(form.b, Point{1, 2});
    user.Release(MouseButton::Left);
    const std::vector<std::string> expected = {
        "a enter", "a down 5,5", "a leave", "b enter",
        "a up 101,2",  // still a's: it held the capture; no click outside it
    };
    EXPECT_EQ(form.log, expected);
    EXPECT_FALSE(form.Mouse().Capture());
}

TEST_F(MouseTest, ALeftPressAndReleaseInsideClicksBeforeTheRelease)
{
    MouseForm form;
    form.Show();
    user.Click(form.b, Point{3, 4});
    user.Press(form.b, MouseButton::Right);
    user.Release(MouseButton::Right);
    const std::vector<std::string> expected = {"b enter", "b down 3,4", "b click", "b up 3,4", "b down 25,25",
                                               "b up 25,25"};
    EXPECT_EQ(form.log, expected);
}

TEST_F(MouseTest, HiddenAndDisabledControlsPassTheMouseToWhatIsBeneath)
{
    MouseForm form;
    form.Show();
    form.b.SetVisible(false);
    EXPECT_EQ(form.Mouse().ControlAt({120, 20}), &form.panel);
    form.b.SetVisible(true);
    form.panel.SetEnabled(false);
    EXPECT_EQ(form.Mouse().ControlAt({120, 20}), &form);
    int formClicks = 0;
    form.OnClick = [&] { ++formClicks; };
    user.Click(form.b);
    EXPECT_EQ(formClicks, 1);
    EXPECT_EQ(form.log, std::vector<std::string>{});
}

TEST_F(MouseTest, NativeControlsLieAboveWindowlessOnes)
{
    MouseForm form;
    Button button(&form);
    button.SetBounds(0, 0, 80, 30);
    form.Show();
    EXPECT_EQ(form.Mouse().ControlAt({20, 20}), &button);
}

TEST_F(MouseTest, OutsideTheWindowRegionInputReachesNothing)
{
    MouseForm form;
    form.SetWindowRegion(Region::FromRect({0, 0, 100, 200}));
    form.Show();
    user.Click(form.a);
    user.Click(form.b);
    EXPECT_EQ(form.log, (std::vector<std::string>{"a enter", "a down 25,25", "a click", "a up 25,25", "a leave"}));
    EXPECT_EQ(user.IgnoredInputs(), 3);
}

TEST_F(MouseTest, AControlDestroyedByItsOwnClickGetsNoRelease)
{
    MouseForm form;
    auto doomed = std::make_unique<Probe>(&form, "doomed", form.log);
    doomed->SetBounds(200, 150, 40, 40);
    doomed->OnClick = [&] { doomed.reset(); };
    form.Show();
    user.Click(*doomed);
    EXPECT_EQ(doomed, nullptr);
    EXPECT_EQ(form.log, (std::vector<std::string>{"doomed enter", "doomed down 20,20"}));
    user.MoveTo(form.a);
    EXPECT_EQ(form.log.back(), "a enter");
}

}  // namespace
}  // namespace vx::ui
