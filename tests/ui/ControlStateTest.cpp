// The state and change events of the entry controls and menus.
#include <string>
#include <vector>

#include "tests/ui/UiFixture.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/Memo.h"
#include "ui/PopupMenu.h"

namespace vx::ui {
namespace {

class EntryForm : public Form {
public:
    EntryForm()
    {
        SetClientSize(300, 200);
        combo.SetName("comboMTUManual");
        combo.SetBounds(10, 10, 100, 21);
        combo.SetItems({"576", "1500", "4464"});
        combo.OnChange = [this] { log.push_back("combo " + combo.Text()); };
        edit.SetName("edtDefaultInstallDirectory");
        edit.SetBounds(10, 40, 200, 21);
        edit.OnChange = [this] { log.push_back("edit " + edit.Text()); };
        cbxAddIcon.SetBounds(10, 70, 120, 20);
        cbxAddIcon.OnClick = [this] { log.push_back(cbxAddIcon.Checked() ? "icon on" : "icon off"); };
    }
    std::vector<std::string> log;
    ComboBox combo{this};
    Edit edit{this};
    CheckBox cbxAddIcon{this};
};

using ControlStateTest = UiFixture;

TEST_F(ControlStateTest, AnEditableDropDownKeepsItsChoiceOnlyWhileTheTextIsThatItem)
{
    struct Step {
        const char* act;  // "pick:n", "type:text" (the user) or "code:text", "index:n" (the program)
        int index;
        const char* text;
        bool event;
    };
    const std::vector<Step> steps = {
        {"pick:1", 1, "1500", true},     {"code:1500", 1, "1500", false}, {"type:1492", -1, "1492", true},
        {"index:2", 2, "4464", false},   {"code:9000", -1, "9000", false}, {"index:7", -1, "9000", false},
        {"code:576", -1, "576", false},
    };
    EntryForm form;
    form.Show();
    for (const Step& step : steps) {
        form.log.clear();
        const std::string act = step.act;
        const std::string arg = act.substr(act.find(':') + 1);
        if (act.starts_with("pick:"))
            user.Choose(form.combo, std::stoi(arg));
        else if (act.starts_with("type:"))
            user.Type(form.combo, arg);
        else if (act.starts_with("code:"))
            form.combo.SetText(arg);
        else
            form.combo.SetItemIndex(std::stoi(arg));
        EXPECT_EQ(form.combo.ItemIndex(), step.index) << act;
        EXPECT_EQ(form.combo.Text(), step.text) << act;
        EXPECT_EQ(form.log.size(), step.event ? 1u : 0u) << act;
    }
}

TEST_F(ControlStateTest, AFixedListTakesOnlyItsOwnItems)
{
    EntryForm form;
    form.combo.SetStyle(ComboStyle::DropDownList);
    form.combo.SetText("1500");
    EXPECT_EQ(form.combo.ItemIndex(), 1);
    form.combo.SetText("typed");
    EXPECT_EQ(form.combo.ItemIndex(), -1);
    EXPECT_EQ(form.combo.Text(), "");
}

TEST_F(ControlStateTest, EditChangesAreReportedWhetherTypedOrSetByCode)
{
    EntryForm form;
    form.Show();
    form.edit.SetText("C:\\Quorvex");
    user.Type("edtDefaultInstallDirectory", "D:\\Apps");
    form.edit.SetText("D:\\Apps");
    form.edit.SetReadOnly(true);
    user.Type(form.edit, "ignored");
    EXPECT_EQ(form.log, (std::vector<std::string>{"edit C:\\Quorvex", "edit D:\\Apps"}));
    EXPECT_EQ(form.edit.Text(), "D:\\Apps");
}

TEST_F(ControlStateTest, ACheckBoxClicksWheneverItChanges)
{
    EntryForm form;
    form.Show();
    form.cbxAddIcon.SetChecked(true);
    form.cbxAddIcon.SetChecked(true);
    user.Click(form.cbxAddIcon);
    user.Click(form.cbxAddIcon);
    EXPECT_EQ(form.log, (std::vector<std::string>{"icon on", "icon off", "icon on"}));
}

TEST_F(ControlStateTest, AMemoSplitsItsTextAtAnyLineBreak)
{
    EntryForm form;
    Memo memo(&form);
    memo.SetText("one\r\ntwo\nthree\rfour\r\n\r\nsix");
    EXPECT_EQ(memo.Lines(), (std::vector<std::string>{"one", "two", "three", "four", "", "six"}));
    EXPECT_EQ(memo.Text(), "one\r\ntwo\r\nthree\r\nfour\r\n\r\nsix\r\n");
}

TEST_F(ControlStateTest, APopupMenuRunsTheChosenVisibleItem)
{
    PopupMenu popIcon;
    popIcon.SetName("popIcon");
    MenuItem mnuChangeSettings(popIcon);
    MenuItem mnuReboot(popIcon);
    MenuItem mnuClose(popIcon);
    mnuChangeSettings.SetName("mnuChangeSettings");
    mnuReboot.SetName("RebootMySystemToLockInTheChanges1");
    mnuReboot.SetVisible(false);
    mnuClose.SetName("mnuClose");
    std::vector<std::string> log;
    mnuChangeSettings.OnClick = [&] { log.push_back("settings"); };
    mnuClose.OnClick = [&] { log.push_back("close"); };
    host.ChooseMenuItem("mnuClose");
    popIcon.Popup({500, 700});
    popIcon.Popup({500, 700});  // nothing scripted: dismissed
    host.ChooseMenuItem("RebootMySystemToLockInTheChanges1");
    EXPECT_THROW(popIcon.Popup({1, 1}), std::logic_error);  // hidden items cannot be chosen
    EXPECT_EQ(log, std::vector<std::string>{"close"});
    EXPECT_EQ(host.MenusShown().size(), 3u);
    EXPECT_EQ(host.CursorPos(), (Point{1, 1}));
}

}  // namespace
}  // namespace vx::ui
