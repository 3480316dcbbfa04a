// The keyboard: Tab order and tab stops, radio groups, the default and cancel
// buttons, Space on buttons, and what the focused control keeps for itself.
#include <string>
#include <vector>

#include "tests/ui/FlatButton.h"
#include "tests/ui/UiFixture.h"
#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/ListBox.h"
#include "ui/Memo.h"
#include "ui/Panel.h"
#include "ui/RadioButton.h"
#include "ui/host/FormRenderer.h"

namespace vx::ui {
namespace {

class KeyForm : public Form {
public:
    KeyForm()
    {
        SetName("keys");
        SetBorderStyle(BorderStyle::None);
        SetBounds(50, 50, 400, 300);
        Name(edtName, "edtName", 10, 10);
        Name(lblNote, "lblNote", 10, 40);
        Name(btnHidden, "btnHidden", 10, 70);
        btnHidden.SetVisible(false);
        Name(btnOff, "btnOff", 100, 70);
        btnOff.SetEnabled(false);
        Name(pnlChoices, "pnlChoices", 10, 100);
        pnlChoices.SetBounds(10, 100, 200, 120);
        Name(cbxSound, "cbxSound", 5, 5);
        Name(rbtnDialup, "rbtnDialup", 5, 30);
        Name(rbtnCable, "rbtnCable", 5, 55);
        Name(rbtnLAN, "rbtnLAN", 5, 80);
        Name(btnSkinned, "btnSkinned", 250, 10);
        Name(btnNoStop, "btnNoStop", 250, 40);
        btnNoStop.SetTabStop(false);
        Name(btnOk, "btnOk", 250, 200);
        Name(btnCancel, "btnCancel", 250, 240);
        for (Control* c : std::vector<Control*>{&btnOff, &btnSkinned, &btnNoStop, &btnOk, &btnCancel, &rbtnDialup,
                                                &rbtnCable, &rbtnLAN, &cbxSound}) {
            c->OnClick = [this, c] { log.push_back(c->Name()); };
        }
    }
    std::vector<std::string> log;
    Edit edtName{this};
    Label lblNote{this};
    Button btnHidden{this};
    Button btnOff{this};
    Panel pnlChoices{this};
    CheckBox cbxSound{&pnlChoices};
    RadioButton rbtnDialup{&pnlChoices};
    RadioButton rbtnCable{&pnlChoices};
    RadioButton rbtnLAN{&pnlChoices};
    FlatButton btnSkinned{this};
    Button btnNoStop{this};
    Button btnOk{this};
    Button btnCancel{this};

private:
    static void Name(Control& c, const char* name, int left, int top)
    {
        c.SetName(name);
        c.SetBounds(left, top, 80, 22);
    }
};

class KeyboardTest : public UiFixture {
protected:
    void SetUp() override { form.Show(); }

    std::string Focus() const { return form.ActiveControl() ? form.ActiveControl()->Name() : ""; }
    std::vector<std::string> Walk(int presses, ShiftState keys = {})
    {
        std::vector<std::string> seen;
        for (int i = 0; i < presses; ++i) {
            user.PressKey(Key::Tab, keys);
            seen.push_back(Focus());
        }
        return seen;
    }

    KeyForm form;
};

ShiftState Shift()
{
    ShiftState keys;
    keys.shift = true;
    return keys;
}

TEST_F(KeyboardTest, TabVisitsTheTabStopsInTabOrderAndARadioGroupOnce)
{
    EXPECT_EQ(Focus(), "edtName");  // the first tab stop, when the form was shown
    const std::vector<std::string> forward = {"cbxSound", "rbtnDialup", "btnSkinned", "btnOk", "btnCancel", "edtName"};
    EXPECT_EQ(Walk(6), forward);
    const std::vector<std::string> back = {"btnCancel", "btnOk", "btnSkinned", "rbtnDialup", "cbxSound", "edtName"};
    EXPECT_EQ(Walk(6, Shift()), back);
    form.rbtnLAN.SetChecked(true);  // the group is entered at its checked button
    form.btnCancel.SetTabOrder(0);  // first of the form
    EXPECT_EQ(Walk(3), (std::vector<std::string>{"cbxSound", "rbtnLAN", "btnSkinned"}));
    EXPECT_EQ(Walk(3), (std::vector<std::string>{"btnOk", "btnCancel", "edtName"}));
    EXPECT_EQ(form.btnCancel.TabOrder(), 0);
    EXPECT_EQ(form.edtName.TabOrder(), 1);
}

TEST_F(KeyboardTest, ArrowsMoveWithinTheRadioGroupAndCheckTheButton)
{
    form.rbtnCable.SetChecked(true);
    form.log.clear();
    form.rbtnCable.SetFocus();
    struct Step {
        Key key;
        const char* focus;
    };
    const Step steps[] = {{Key::Down, "rbtnLAN"}, {Key::Right, "rbtnDialup"}, {Key::Up, "rbtnLAN"}, {Key::Left, "rbtnCable"}};
    for (const Step& step : steps) {
        user.PressKey(step.key);
        EXPECT_EQ(Focus(), step.focus);
        EXPECT_TRUE(static_cast<RadioButton*>(form.ActiveControl())->Checked());
    }
    EXPECT_EQ(form.log, (std::vector<std::string>{"rbtnLAN", "rbtnDialup", "rbtnLAN", "rbtnCable"}));
    form.cbxSound.SetFocus();  // outside a group the arrows do nothing
    user.PressKey(Key::Down);
    EXPECT_EQ(Focus(), "cbxSound");
}

TEST_F(KeyboardTest, EnterPressesTheFocusedButtonOrTheDefaultOneAndEscapeTheCancelOne)
{
    form.btnOk.SetDefault(true);
    form.btnCancel.SetCancel(true);
    struct Case {
        Control* focus;
        Key key;
        const char* clicked;
    };
    const std::vector<Case> cases = {
        {&form.edtName, Key::Enter, "btnOk"},        {&form.cbxSound, Key::Enter, "btnOk"},
        {&form.btnNoStop, Key::Enter, "btnNoStop"},  {&form.btnSkinned, Key::Enter, "btnSkinned"},
        {&form.edtName, Key::Escape, "btnCancel"},   {&form.btnOk, Key::Escape, "btnCancel"},
        {&form.btnSkinned, Key::Space, "btnSkinned"}, {&form.btnNoStop, Key::Space, "btnNoStop"},
        {&form.cbxSound, Key::Space, "cbxSound"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.focus->Name());
        form.log.clear();
        c.focus->SetFocus();
        user.PressKey(c.key);
        EXPECT_EQ(form.log, std::vector<std::string>{c.clicked});
    }
    EXPECT_TRUE(form.cbxSound.Checked());
    form.btnOk.SetEnabled(false);  // a default button that cannot be pressed is not
    form.log.clear();
    form.edtName.SetFocus();
    user.PressKey(Key::Enter);
    EXPECT_TRUE(form.log.empty());
}

TEST_F(KeyboardTest, TheFocusedControlKeepsTheKeysItHandlesItself)
{
    Memo memo(&form);
    memo.SetName("memoNotes");
    memo.SetBounds(10, 230, 150, 50);
    ListBox list(&form);
    list.SetName("lstItems");
    list.SetBounds(300, 100, 80, 60);
    list.SetItems({"one", "two", "three"});
    app.ProcessMessages();  // their windows come on the next turn of the loop
    form.btnOk.SetDefault(true);
    memo.SetFocus();
    user.PressKey(Key::Enter);
    user.PressKey(Key::Down);
    EXPECT_TRUE(form.log.empty());
    EXPECT_EQ(Focus(), "memoNotes");
    memo.SetReadOnly(true);  // a read-only memo has no use for Enter
    user.PressKey(Key::Enter);
    EXPECT_EQ(form.log, std::vector<std::string>{"btnOk"});
    list.SetFocus();
    user.PressKey(Key::Down);
    user.PressKey(Key::Down);
    user.PressKey(Key::Up);
    EXPECT_EQ(list.ItemIndex(), 0);
    user.PressKey(Key::Tab);
    EXPECT_NE(form.ActiveControl(), &list);
}

TEST_F(KeyboardTest, AWindowlessButtonTakesTheFocusWhenPressedAndShowsItOnceTheKeyboardIsUsed)
{
    user.Click(form.btnSkinned);
    EXPECT_EQ(Focus(), "btnSkinned");
    EXPECT_FALSE(form.FocusCues());
    const Bitmap before = RenderControl(form.btnSkinned);
    EXPECT_EQ(before.Pixel(2, 2), before.Pixel(4, 4));
    user.PressKey(Key::Tab);
    user.PressKey(Key::Tab, Shift());
    EXPECT_TRUE(form.FocusCues());
    const Bitmap after = RenderControl(form.btnSkinned);
    EXPECT_EQ(after.Pixel(2, 2), clBlack);
    EXPECT_NE(after.Pixel(3, 2), clBlack);
}

TEST_F(KeyboardTest, AFormBehindAModalOneTakesNoKeys)
{
    Form dialog;
    dialog.SetBounds(500, 50, 100, 100);
    Button btnClose(&dialog);
    btnClose.SetBounds(10, 10, 60, 25);
    btnClose.SetModalResult(ModalResult::Ok);
    form.btnOk.SetDefault(true);
    host.Then(10, [&] {
        EXPECT_EQ(&user.ActiveForm(), &dialog);
        EXPECT_FALSE(form.DispatchKey(Key::Enter));
        user.PressKey(Key::Space);  // btnClose has the focus
    });
    EXPECT_EQ(dialog.ShowModal(), ModalResult::Ok);
    EXPECT_TRUE(form.log.empty());
}

}  // namespace
}  // namespace vx::ui
