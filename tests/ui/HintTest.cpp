// Hints: shown after the pause while the pointer rests on a control that wants
// one, hidden after the hide pause, on leaving or on a press.
#include <memory>
#include <string>

#include "tests/ui/UiFixture.h"
#include "ui/Button.h"
#include "ui/Form.h"
#include "ui/HintWindow.h"

namespace vx::ui {
namespace {

class HintForm : public Form {
public:
    HintForm()
    {
        SetBorderStyle(BorderStyle::None);
        SetBounds(0, 0, 300, 100);
        btnTip.SetBounds(10, 10, 80, 25);
        btnTip.SetHint("Local Area Network standard setting.");
        btnTip.SetShowHint(true);
        btnPlain.SetBounds(100, 10, 80, 25);
        btnPlain.SetHint("never shown: ShowHint is off");
    }
    Button btnTip{this};
    Button btnPlain{this};
};

class CountingHint : public HintWindow {
public:
    explicit CountingHint(int& made) { ++made; }
};

class HintTest : public UiFixture {
protected:
    HintWindow* Shown()
    {
        HintWindow* window = app.GetHintWindow();
        return window && window->Visible() ? window : nullptr;
    }
};

TEST_F(HintTest, AppearsAfterThePauseAndGoesAfterTheHidePause)
{
    HintForm form;
    form.Show();
    app.SetHintPause(600);
    app.SetHintHidePause(3500);
    user.MoveTo(form.btnTip);
    host.Advance(599);
    EXPECT_EQ(Shown(), nullptr);
    host.Advance(1);
    ASSERT_NE(Shown(), nullptr);
    EXPECT_EQ(Shown()->HintText(), "Local Area Network standard setting.");
    EXPECT_EQ(Shown()->Top(), user.Cursor().y + 20);
    host.Advance(3500);
    EXPECT_EQ(Shown(), nullptr);
}

TEST_F(HintTest, LeavingOrPressingHidesItAndControlsWithoutShowHintHaveNone)
{
    HintForm form;
    form.Show();
    user.MoveTo(form.btnTip);
    host.Advance(app.HintPause());
    ASSERT_NE(Shown(), nullptr);
    user.MoveTo(form.btnPlain);
    EXPECT_EQ(Shown(), nullptr);
    host.Advance(5000);
    EXPECT_EQ(Shown(), nullptr);
    user.MoveTo(form.btnTip);
    host.Advance(app.HintPause());
    user.Press(MouseButton::Left);
    EXPECT_EQ(Shown(), nullptr);
}

TEST_F(HintTest, SwitchingHintsOnAgainMakesAWindowOfTheInstalledClass)
{
    int made = 0;
    app.SetHintWindowClass([&made] { return std::make_unique<CountingHint>(made); });
    app.SetShowHint(false);
    EXPECT_EQ(app.GetHintWindow(), nullptr);
    app.SetShowHint(true);
    ASSERT_NE(dynamic_cast<CountingHint*>(app.GetHintWindow()), nullptr);
    EXPECT_EQ(made, 1);
    EXPECT_NE(app.MainForm(), app.GetHintWindow());
}

TEST_F(HintTest, AHintedFormThatGoesAwayIsForgotten)
{
    auto form = std::make_unique<HintForm>();
    form->SetHint("the window itself");
    form->SetShowHint(true);
    form->Show();
    user.MoveTo(Point{250, 80});
    EXPECT_EQ(app.Hints().HintedControl(), form.get());
    form.reset();
    EXPECT_EQ(app.Hints().HintedControl(), nullptr);
    host.Advance(app.HintPause());
    EXPECT_EQ(Shown(), nullptr);
}

}  // namespace
}  // namespace vx::ui
