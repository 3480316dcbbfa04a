// Native controls become child windows that mirror the portable state, and the
// windows' notifications become the controls' events.
#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "tests/ui/FlatButton.h"
#include "tests/ui/win32/WinFixture.h"
#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/ListBox.h"
#include "ui/Memo.h"
#include "ui/OwnerDrawButton.h"
#include "ui/Panel.h"
#include "ui/RadioButton.h"
#include "ui/SpinBox.h"
#include "ui/win32/WinSpinBoxPeer.h"

namespace vx::ui::win32 {
namespace {

class Swatch : public OwnerDrawButton {
public:
    using OwnerDrawButton::OwnerDrawButton;
    int paints = 0;

protected:
    void Paint(Canvas&) override { ++paints; }
};

struct ControlsForm : Form {
    Panel box{this};
    Button btnGo{&box};
    CheckBox cbxSound{this};
    RadioButton rbtnOne{this};
    RadioButton rbtnTwo{this};
    Edit edtName{this};
    ComboBox comboType{this};
    SpinBox spinMtu{this};
    ListBox lstItems{this};
    Memo memoText{this};
    Swatch btnSwatch{this};

    ControlsForm()
    {
        SetBounds(40, 40, 420, 320);
        box.SetBounds(10, 10, 120, 60);
        btnGo.SetBounds(8, 12, 90, 25);  // inside the panel: at (18, 22) on the form
        btnGo.SetCaption("&Go");
        cbxSound.SetBounds(150, 10, 120, 20);
        rbtnOne.SetBounds(150, 40, 100, 20);
        rbtnTwo.SetBounds(150, 64, 100, 20);
        edtName.SetBounds(10, 100, 150, 22);
        comboType.SetBounds(180, 100, 150, 22);
        comboType.SetItems({"Dial-up", "Cable", "LAN"});
        spinMtu.SetBounds(10, 140, 80, 22);
        spinMtu.SetRange(576, 1500);
        spinMtu.SetValue(1000);
        lstItems.SetBounds(180, 140, 150, 80);
        lstItems.SetItems({"one", "two", "three"});
        memoText.SetBounds(10, 230, 150, 60);
        btnSwatch.SetBounds(180, 240, 60, 30);
    }
};

class WinNativeControlsTest : public WinFixture {
protected:
    ControlsForm& form = app.CreateForm<ControlsForm>();

    void SetUp() override
    {
        form.Show();
        Pump(50);
    }
};

TEST_F(WinNativeControlsTest, EachControlIsAChildWindowOfItsFormAtItsPlace)
{
    struct Case {
        NativeControl* control;
        const char* windowClass;
    };
    const Case cases[] = {
        {&form.btnGo, "Button"},      {&form.cbxSound, "Button"}, {&form.rbtnOne, "Button"},
        {&form.edtName, "Edit"},      {&form.spinMtu, "Edit"},    {&form.lstItems, "ListBox"},
        {&form.memoText, "Edit"},     {&form.btnSwatch, "Button"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.windowClass);
        HWND hwnd = WindowOf(*c.control);
        ASSERT_TRUE(IsWindow(hwnd));
        EXPECT_EQ(GetParent(hwnd), WindowOf(form));
        EXPECT_EQ(lstrcmpiA(ClassOf(hwnd).c_str(), c.windowClass), 0) << ClassOf(hwnd);
        EXPECT_TRUE(IsWindowVisible(hwnd));
        if (c.control != &form.spinMtu) {  // the arrows take the right end of the spin box
            EXPECT_EQ(PlaceOf(hwnd), c.control->BoundsInForm());
        }
    }
    // A combo box window also holds its dropped-down list.
    const Rect combo = PlaceOf(WindowOf(form.comboType));
    EXPECT_EQ(combo.TopLeft(), form.comboType.BoundsInForm().TopLeft());
    EXPECT_EQ(combo.Width(), form.comboType.Width());
}

TEST_F(WinNativeControlsTest, ButtonsNeitherCheckThemselvesNorDrawThemselvesWhenOwnerDrawn)
{
    const auto type = [](HWND hwnd) { return GetWindowLongPtrA(hwnd, GWL_STYLE) & BS_TYPEMASK; };
    EXPECT_EQ(type(WindowOf(form.cbxSound)), BS_CHECKBOX);
    EXPECT_EQ(type(WindowOf(form.rbtnOne)), BS_RADIOBUTTON);
    EXPECT_EQ(type(WindowOf(form.btnSwatch)), BS_OWNERDRAW);
    EXPECT_GT(form.btnSwatch.paints, 0);
}

TEST_F(WinNativeControlsTest, ClickingAButtonRunsItsClick)
{
    int clicks = 0;
    form.btnGo.OnClick = [&] { ++clicks; };
    SendMessageA(WindowOf(form.btnGo), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 1);
}

TEST_F(WinNativeControlsTest, ClickingACheckBoxTogglesTheControlWhichTheWindowMirrors)
{
    HWND box = WindowOf(form.cbxSound);
    SendMessageA(box, BM_CLICK, 0, 0);
    EXPECT_TRUE(form.cbxSound.Checked());
    EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_CHECKED);
    SendMessageA(box, BM_CLICK, 0, 0);
    EXPECT_FALSE(form.cbxSound.Checked());
    EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(WinNativeControlsTest, ClickingARadioButtonUnchecksItsSiblingsWindows)
{
    form.rbtnOne.SetChecked(true);
    SendMessageA(WindowOf(form.rbtnTwo), BM_CLICK, 0, 0);
    EXPECT_TRUE(form.rbtnTwo.Checked());
    EXPECT_EQ(SendMessageA(WindowOf(form.rbtnOne), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(SendMessageA(WindowOf(form.rbtnTwo), BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_F(WinNativeControlsTest, TextsTravelBothWays)
{
    int changes = 0;
    form.edtName.OnChange = [&] { ++changes; };
    SetWindowTextA(WindowOf(form.edtName), "typed");
    EXPECT_EQ(form.edtName.Text(), "typed");
    EXPECT_EQ(changes, 1);
    form.edtName.SetText("from code");
    EXPECT_EQ(WindowText(WindowOf(form.edtName)), "from code");

    form.spinMtu.SetValue(1400);
    EXPECT_EQ(WindowText(WindowOf(form.spinMtu)), "1400");
    form.memoText.SetLines({"first", "second"});
    EXPECT_EQ(WindowText(WindowOf(form.memoText)), form.memoText.Text());
}

TEST_F(WinNativeControlsTest, ChoosingAnItemReachesTheControl)
{
    HWND combo = WindowOf(form.comboType);
    EXPECT_EQ(SendMessageA(combo, CB_GETCOUNT, 0, 0), 3);
    int changes = 0;
    form.comboType.OnChange = [&] { ++changes; };
    // As the list does when the user picks: select, then notify the parent.
    SendMessageA(combo, CB_SETCURSEL, 1, 0);
    SendMessageA(WindowOf(form), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
    EXPECT_EQ(form.comboType.ItemIndex(), 1);
    EXPECT_EQ(form.comboType.Text(), "Cable");
    EXPECT_EQ(changes, 1);

    form.lstItems.SetItemIndex(2);
    EXPECT_EQ(SendMessageA(WindowOf(form.lstItems), LB_GETCURSEL, 0, 0), 2);
}

TEST_F(WinNativeControlsTest, TheUpDownArrowsStepTheSpinBoxWhichClamps)
{
    auto* peer = dynamic_cast<WinSpinBoxPeer*>(form.spinMtu.Peer());
    ASSERT_NE(peer, nullptr);
    HWND arrows = peer->Arrows();
    ASSERT_TRUE(IsWindow(arrows));
    EXPECT_EQ(lstrcmpiA(ClassOf(arrows).c_str(), UPDOWN_CLASSA), 0);
    EXPECT_EQ(reinterpret_cast<HWND>(SendMessageA(arrows, UDM_GETBUDDY, 0, 0)), WindowOf(form.spinMtu));
    form.spinMtu.SetIncrement(300);
    const auto step = [&](int delta) {
        NMUPDOWN change{};
        change.hdr.hwndFrom = arrows;
        change.hdr.code = UDN_DELTAPOS;
        change.iDelta = delta;
        return SendMessageA(WindowOf(form), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&change));
    };
    EXPECT_NE(step(1), 0);  // the arrows keep their own position
    EXPECT_EQ(form.spinMtu.Value(), 1300);
    step(1);
    EXPECT_EQ(form.spinMtu.Value(), 1500);
    EXPECT_EQ(WindowText(WindowOf(form.spinMtu)), "1500");
    step(-1);
    EXPECT_EQ(form.spinMtu.Value(), 1200);
}

TEST_F(WinNativeControlsTest, StateChangesReachTheWindow)
{
    form.btnGo.SetEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(WindowOf(form.btnGo)));
    form.box.SetVisible(false);  // hides the button inside the panel
    EXPECT_FALSE(IsWindowVisible(WindowOf(form.btnGo)));
    form.box.SetBounds(20, 30, 120, 60);
    form.box.SetVisible(true);
    EXPECT_EQ(PlaceOf(WindowOf(form.btnGo)), Rect::Bounds(28, 42, 90, 25));
    form.cbxSound.SetCaption("Sound on");
    EXPECT_EQ(WindowText(WindowOf(form.cbxSound)), "Sound on");
}

TEST_F(WinNativeControlsTest, ARestyledCheckBoxGetsANewWindowWithItsState)
{
    form.cbxSound.SetChecked(true);
    form.cbxSound.SetPushLike(true);
    HWND box = WindowOf(form.cbxSound);
    EXPECT_NE(GetWindowLongPtrA(box, GWL_STYLE) & BS_PUSHLIKE, 0);
    EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_CHECKED);
    int toggles = 0;
    form.cbxSound.OnClick = [&] { ++toggles; };
    SendMessageA(box, BM_CLICK, 0, 0);
    EXPECT_EQ(toggles, 1);
}

TEST_F(WinNativeControlsTest, ADestroyedControlTakesItsWindowAlong)
{
    HWND hwnd = nullptr;
    {
        Button temporary;
        temporary.SetBounds(300, 10, 60, 20);
        temporary.SetParent(&form);
        hwnd = WindowOf(temporary);
        ASSERT_TRUE(IsWindow(hwnd));
    }
    EXPECT_FALSE(IsWindow(hwnd));
}

TEST_F(WinNativeControlsTest, ALetterIsAnAcceleratorWithAltOrWhereTheFocusTakesNoText)
{
    struct Case {
        const char* what;
        NativeControl* focus;
        UINT message;
        int clicks;
    };
    const Case cases[] = {
        {"Alt+G in the edit", &form.edtName, WM_SYSCHAR, 1},
        {"G typed into the edit", &form.edtName, WM_CHAR, 0},
        {"G typed on the check box", &form.cbxSound, WM_CHAR, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        int clicks = 0;
        form.btnGo.OnClick = [&] { ++clicks; };
        SetFocus(WindowOf(*c.focus));
        PostMessageA(WindowOf(*c.focus), c.message, 'g', 0);
        Pump(80);
        EXPECT_EQ(clicks, c.clicks);
    }
    EXPECT_EQ(form.edtName.Text(), "g");
}

TEST_F(WinNativeControlsTest, EnterClicksTheDefaultButton)
{
    form.btnGo.SetDefault(true);
    EXPECT_EQ(GetWindowLongPtrA(WindowOf(form.btnGo), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    int clicks = 0;
    form.btnGo.OnClick = [&] { ++clicks; };
    SetFocus(WindowOf(form.edtName));
    PostMessageA(WindowOf(form.edtName), WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_TRUE(PumpUntil([&] { return clicks == 1; }, 1000));
}

TEST_F(WinNativeControlsTest, TabMovesTheFocusToTheNextControl)
{
    SetFocus(WindowOf(form.edtName));
    PostMessageA(WindowOf(form.edtName), WM_KEYDOWN, VK_TAB, 0);
    EXPECT_TRUE(PumpUntil([&] { return form.ActiveControl() == &form.comboType; }, 1000));
}

TEST_F(WinNativeControlsTest, AMouseButtonOnANativeControlReachesItAndLeavesItTheCapture)
{
    Point down{-1, -1};
    int clicks = 0;
    form.btnGo.OnMouseDown = [&](MouseButton, ShiftState, Point p) { down = p; };
    form.btnGo.OnClick = [&] { ++clicks; };
    HWND button = WindowOf(form.btnGo);
    SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 6));
    EXPECT_EQ(down, (Point{4, 6}));
    // Taking the capture away from a pressed button would lose its click.
    EXPECT_EQ(GetCapture(), button);
    SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(4, 6));
    EXPECT_EQ(clicks, 1);
}

TEST_F(WinNativeControlsTest, FocusMovesReachTheForm)
{
    SetFocus(WindowOf(form.edtName));
    EXPECT_EQ(form.ActiveControl(), &form.edtName);
    form.spinMtu.SetFocus();
    EXPECT_EQ(GetFocus(), WindowOf(form.spinMtu));
    form.spinMtu.NativeTextChanged("99999");
    SetFocus(WindowOf(form.edtName));  // leaving the spin box clamps its text
    EXPECT_EQ(WindowText(WindowOf(form.spinMtu)), "1500");
}

// Characters typed into the edit part of a drop-down or a spin box, as the loop
// delivers a person's keys: the portable controls read what the windows show.
TEST_F(WinNativeControlsTest, TypedEntriesReachTheDropDownAndTheSpinBox)
{
    const auto typeInto = [&](HWND edit, const char* text) {
        SetFocus(edit);
        SendMessageA(edit, EM_SETSEL, 0, -1);
        for (const char* c = text; *c; ++c)
            PostMessageA(edit, WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(*c)), 0);
        Pump(50);
    };
    HWND combo = WindowOf(form.comboType);
    HWND comboEdit = FindWindowExA(combo, nullptr, "EDIT", nullptr);
    ASSERT_NE(comboEdit, nullptr);
    form.comboType.SetItemIndex(2);
    typeInto(comboEdit, "ISDN");
    EXPECT_EQ(form.comboType.Text(), "ISDN");
    EXPECT_EQ(form.comboType.ItemIndex(), -1);  // typed text is no item
    // Choosing from the list after typing selects that item again.
    SendMessageA(combo, CB_SETCURSEL, 0, 0);
    SendMessageA(WindowOf(form), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
    EXPECT_EQ(form.comboType.ItemIndex(), 0);
    EXPECT_EQ(form.comboType.Text(), "Dial-up");

    struct Case {
        const char* typed;
        int valueWhileTyping;
        const char* textAfterLeaving;
    };
    // The range is 576 to 1500.
    const Case cases[] = {
        {"1400", 1400, "1400"},
        {"99999", 1500, "1500"},
        {"12", 576, "576"},
        {"abc", 576, "576"},
    };
    HWND spin = WindowOf(form.spinMtu);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        typeInto(spin, c.typed);
        EXPECT_EQ(form.spinMtu.Text(), c.typed);
        EXPECT_EQ(form.spinMtu.Value(), c.valueWhileTyping);
        SetFocus(WindowOf(form.edtName));
        EXPECT_EQ(WindowText(spin), c.textAfterLeaving);
        EXPECT_EQ(form.spinMtu.Text(), c.textAfterLeaving);
    }
}

TEST_F(WinNativeControlsTest, ANativeControlMadeOnTheShownFormGetsItsWindow)
{
    Button late(&form);
    late.SetBounds(300, 280, 80, 25);
    late.SetCaption("Late");
    EXPECT_EQ(WindowOf(late), nullptr);  // made in a handler: the window comes after it
    Pump(30);
    ASSERT_NE(WindowOf(late), nullptr);
    EXPECT_EQ(GetParent(WindowOf(late)), WindowOf(form));
    EXPECT_EQ(WindowText(WindowOf(late)), "Late");
    EXPECT_EQ(PlaceOf(WindowOf(late)), (Rect{300, 280, 380, 305}));
}

// Typed keys go through the loop, as a person's do: Enter makes a new line.
TEST_F(WinNativeControlsTest, TextTypedIntoTheMemoReachesTheControl)
{
    int changes = 0;
    form.memoText.OnChange = [&] { ++changes; };
    form.btnGo.SetDefault(true);
    int defaultClicks = 0;
    form.btnGo.OnClick = [&] { ++defaultClicks; };
    HWND memo = WindowOf(form.memoText);
    SetFocus(memo);
    for (WPARAM key : {WPARAM('h'), WPARAM('i')})
        PostMessageA(memo, WM_CHAR, key, 0);
    // The loop translates the key into a character, queued behind what is there.
    PostMessageA(memo, WM_KEYDOWN, VK_RETURN, 1 | (MapVirtualKeyA(VK_RETURN, 0) << 16));
    Pump(50);
    PostMessageA(memo, WM_CHAR, 'y', 0);
    EXPECT_TRUE(PumpUntil([&] { return form.memoText.Lines().size() == 2; }, 1000));
    EXPECT_EQ(form.memoText.Lines(), (std::vector<std::string>{"hi", "y"}));
    EXPECT_EQ(changes, 3);  // a line break alone adds no line yet
    EXPECT_EQ(defaultClicks, 0);
    form.memoText.SetText("one\r\ntwo");
    EXPECT_EQ(WindowText(memo), "one\r\ntwo\r\n");
}

TEST_F(WinNativeControlsTest, EscapePressesTheCancelButtonAndTheArrowsMoveInARadioGroup)
{
    form.btnGo.SetCancel(true);
    int clicks = 0;
    form.btnGo.OnClick = [&] { ++clicks; };
    SetFocus(WindowOf(form.edtName));
    PostMessageA(WindowOf(form.edtName), WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(PumpUntil([&] { return clicks == 1; }, 1000));
    form.rbtnOne.SetChecked(true);
    form.rbtnOne.SetFocus();
    PostMessageA(WindowOf(form.rbtnOne), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_TRUE(PumpUntil([&] { return form.rbtnTwo.Checked(); }, 1000));
    EXPECT_EQ(GetFocus(), WindowOf(form.rbtnTwo));
    EXPECT_EQ(SendMessageA(WindowOf(form.rbtnOne), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

// The form's own window holds the focus for a windowless button.
TEST_F(WinNativeControlsTest, TabReachesAWindowlessButtonWhichClicksOnSpace)
{
    FlatButton tile(&form);
    tile.SetBounds(300, 200, 60, 25);
    tile.SetModalResult(ModalResult::Ok);
    int clicks = 0;
    tile.OnClick = [&] { ++clicks; };
    SetFocus(WindowOf(form.btnSwatch));
    PostMessageA(WindowOf(form.btnSwatch), WM_KEYDOWN, VK_TAB, 0);
    EXPECT_TRUE(PumpUntil([&] { return form.ActiveControl() == &tile; }, 1000));
    EXPECT_EQ(GetFocus(), WindowOf(form));
    PostMessageA(WindowOf(form), WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_TRUE(PumpUntil([&] { return clicks == 1; }, 1000));
    EXPECT_EQ(form.GetModalResult(), ModalResult::Ok);
    PostMessageA(WindowOf(form), WM_KEYDOWN, VK_TAB, 0);
    EXPECT_TRUE(PumpUntil([&] { return GetFocus() == WindowOf(form.btnGo); }, 1000));
}

}  // namespace
}  // namespace vx::ui::win32
