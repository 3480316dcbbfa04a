// "&" accelerators: Alt with the letter clicks the button or checks the box.
#include <string>
#include <vector>

#include "tests/ui/UiFixture.h"
#include "ui/Accelerator.h"
#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/Form.h"
#include "ui/Panel.h"
#include "ui/RadioButton.h"

namespace vx::ui {
namespace {

TEST(AcceleratorOfTest, FindsTheLetterAfterASingleAmpersand)
{
    struct Case {
        const char* caption;
        char accel;
    };
    const std::vector<Case> cases = {
        {"&Close", 'C'}, {"Change &Settings in Velocitrex", 'S'}, {"No accelerator", 0},
        {"Fish && Chips", 0}, {"A && &B", 'B'}, {"Trailing &", 0}, {"", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AcceleratorOf(c.caption), c.accel) << c.caption;
    EXPECT_TRUE(IsAccelerator('s', "Change &Settings"));
    EXPECT_FALSE(IsAccelerator('c', "Change &Settings"));
}

class AccelForm : public Form {
public:
    AccelForm()
    {
        SetClientSize(300, 200);
        btnClose.SetCaption("&Close");
        btnClose.SetBounds(10, 10, 80, 25);
        btnClose.OnClick = [this] { log.push_back("close"); };
        cbxIcon.SetCaption("Add &Icon");
        cbxIcon.SetBounds(10, 40, 120, 20);
        cbxIcon.OnClick = [this] { log.push_back(cbxIcon.Checked() ? "icon on" : "icon off"); };
        panel.SetBounds(150, 0, 150, 200);
        rbtnLan.SetCaption("&LAN");
        rbtnLan.SetBounds(10, 10, 100, 20);
        rbtnLan.OnClick = [this] { log.push_back("lan"); };
        btnHidden.SetCaption("&Hidden");
        btnHidden.SetVisible(false);
        btnHidden.OnClick = [this] { log.push_back("hidden"); };
    }
    std::vector<std::string> log;
    Button btnClose{this};
    CheckBox cbxIcon{this};
    Panel panel{this};
    RadioButton rbtnLan{&panel};
    Button btnHidden{this};
};

using AcceleratorTest = UiFixture;

TEST_F(AcceleratorTest, AltLettersReachShowingEnabledControlsOnly)
{
    AccelForm form;
    form.Show();
    for (char c : std::string("cIilLhx"))
        user.PressAlt(c);
    form.panel.SetEnabled(false);
    form.btnClose.SetEnabled(false);
    user.PressAlt('l');
    user.PressAlt('c');
    const std::vector<std::string> expected = {"close", "icon on", "icon off", "lan"};
    EXPECT_EQ(form.log, expected);
    EXPECT_EQ(form.ActiveControl(), &form.rbtnLan);
}

}  // namespace
}  // namespace vx::ui
