// Radio buttons: siblings exclude each other; the click runs when a button
// becomes checked, by the user or by code, and never for one checked already.
#include <string>
#include <vector>

#include "tests/ui/UiFixture.h"
#include "ui/Form.h"
#include "ui/GroupBox.h"
#include "ui/RadioButton.h"

namespace vx::ui {
namespace {

class RadioForm : public Form {
public:
    RadioForm()
    {
        SetClientSize(300, 200);
        group.SetBounds(0, 0, 150, 200);
        other.SetBounds(150, 0, 150, 200);
        int y = 20;
        for (auto* radio : {&rbtnA, &rbtnB, &rbtnC, &rbtnOther}) {
            radio->SetBounds(10, y, 120, 20);
            y += 30;
            radio->OnClick = [this, radio] { clicks.push_back(radio->Name()); };
        }
        rbtnA.SetName("rbtnA");
        rbtnB.SetName("rbtnB");
        rbtnC.SetName("rbtnC");
        rbtnOther.SetName("rbtnOther");
    }
    GroupBox group{this};
    GroupBox other{this};
    RadioButton rbtnA{&group};
    RadioButton rbtnB{&group};
    RadioButton rbtnC{&group};
    RadioButton rbtnOther{&other};
    std::vector<std::string> clicks;
};

using RadioButtonTest = UiFixture;

TEST_F(RadioButtonTest, CheckingOneUnchecksItsSiblingsOnlyAndClicksOnlyOnChange)
{
    struct Step {
        const char* act;  // "code:x" sets x checked, "user:x" clicks x, "off:x" unchecks x by code
        const char* checked;  // checked buttons of the group afterwards, in order
        std::vector<std::string> clicks;
    };
    const std::vector<Step> steps = {
        {"code:rbtnA", "A", {"rbtnA"}},
        {"code:rbtnA", "A", {}},
        {"user:rbtnB", "B", {"rbtnB"}},
        {"user:rbtnB", "B", {}},
        {"code:rbtnOther", "B", {"rbtnOther"}},
        {"off:rbtnB", "", {}},
        {"user:rbtnC", "C", {"rbtnC"}},
    };
    RadioForm form;
    form.Show();
    for (const Step& step : steps) {
        form.clicks.clear();
        const std::string act = step.act;
        auto& radio = static_cast<RadioButton&>(*form.FindControl(act.substr(act.find(':') + 1)));
        if (act.starts_with("code:"))
            radio.SetChecked(true);
        else if (act.starts_with("off:"))
            radio.SetChecked(false);
        else
            user.Click(radio);
        std::string checked;
        for (auto* r : {&form.rbtnA, &form.rbtnB, &form.rbtnC}) {
            if (r->Checked())
                checked += r->Name().back();
        }
        EXPECT_EQ(checked, step.checked) << act;
        EXPECT_EQ(form.clicks, step.clicks) << act;
        EXPECT_TRUE(form.rbtnOther.Checked() || act != "code:rbtnOther") << act;
    }
    EXPECT_TRUE(form.rbtnOther.Checked());
}

}  // namespace
}  // namespace vx::ui
