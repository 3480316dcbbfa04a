// What the simulated user reaches: controls found by name the way a person finds
// them on the screen, and text typed into every kind of text box.
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/ui/UiFixture.h"
#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/Memo.h"
#include "ui/Panel.h"
#include "ui/SpinBox.h"

namespace vx::ui {
namespace {

class WizardPage : public Form {
public:
    WizardPage(const char* name, int left)
    {
        SetName(name);
        SetBorderStyle(BorderStyle::None);
        SetBounds(left, 100, 200, 150);
        btnNext.SetName("btnNext");
        btnNext.SetBounds(100, 110, 80, 25);
        btnNext.OnClick = [this] { ++clicks; };
        memoNotes.SetName("memoNotes");
        memoNotes.SetBounds(10, 10, 180, 80);
    }
    int clicks = 0;
    Button btnNext{this};
    Memo memoNotes{this};
};

using HostUserTest = UiFixture;

// Another window shows above the modal page (a timer of the program does it);
// the page still has the input, so its btnNext is the one meant.
TEST_F(HostUserTest, ANameIsLookedUpInTheWindowThatTakesInputFirst)
{
    WizardPage main("main", 100);
    WizardPage page("page", 400);
    host.Then(10, [&] { main.Show(); });
    host.Then(10, [&] {
        EXPECT_EQ(user.Find("btnNext").OwningForm(), &page);
        user.Click("btnNext");
        page.SetModalResult(ModalResult::Ok);
    });
    page.ShowModal();
    EXPECT_EQ(page.clicks, 1);
    EXPECT_EQ(main.clicks, 0);
    EXPECT_EQ(user.Find("btnNext").OwningForm(), &main);
    // Hidden ones too, for a check that something is hidden.
    main.Hide();
    EXPECT_THROW(user.Find("btnNext"), std::logic_error);
    EXPECT_NE(user.Lookup("btnNext"), nullptr);
    EXPECT_EQ(user.Lookup("btnNowhere"), nullptr);
}

TEST_F(HostUserTest, ANameIsUniqueWithinOneForm)
{
    WizardPage page("page", 100);
    Panel pnlMethod(&page);
    Button other(&pnlMethod);
    EXPECT_THROW(other.SetName("btnNext"), std::logic_error);
    other.SetName("btnBack");
    EXPECT_EQ(page.FindControl("btnNext"), &page.btnNext);
    WizardPage second("second", 400);  // another form may use the same names
    EXPECT_EQ(second.btnNext.Name(), "btnNext");
}

TEST_F(HostUserTest, TypedTextReachesAMemoLineByLine)
{
    WizardPage page("page", 100);
    page.Show();
    user.Type("memoNotes", "first\r\nsecond");
    EXPECT_EQ(page.memoNotes.Lines(), (std::vector<std::string>{"first", "second"}));
}

// The entries a page reads numbers from: what is typed is what program code reads,
// a list choice after typing selects the item, and a spin box brings typed text
// into its range when the focus leaves it.
TEST_F(HostUserTest, TypedNumbersReachTheDropDownAndTheSpinBox)
{
    WizardPage page("page", 100);
    ComboBox comboMtu(&page);
    comboMtu.SetName("comboMtu");
    comboMtu.SetBounds(10, 100, 80, 22);
    comboMtu.SetItems({"576", "1500"});
    SpinBox spinCount(&page);
    spinCount.SetName("spinCount");
    spinCount.SetBounds(100, 100, 60, 22);
    spinCount.SetRange(1, 113);
    Edit edtOther(&page);
    edtOther.SetName("edtOther");
    edtOther.SetBounds(10, 125, 80, 22);
    page.Show();

    comboMtu.SetItemIndex(1);
    user.Type("comboMtu", "1454");
    EXPECT_EQ(comboMtu.Text(), "1454");
    EXPECT_EQ(comboMtu.ItemIndex(), -1);
    user.Choose(comboMtu, 0);
    EXPECT_EQ(comboMtu.Text(), "576");
    EXPECT_EQ(comboMtu.ItemIndex(), 0);

    struct Case {
        const char* typed;
        int valueWhileTyping;
        const char* textAfterLeaving;
    };
    const Case cases[] = {
        {"60", 60, "60"},
        {"500", 113, "113"},
        {"0", 1, "1"},
        {"-7", 1, "1"},
        {"abc", 1, "1"},
        {"", 1, "1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        user.Type("spinCount", c.typed);
        EXPECT_EQ(spinCount.Value(), c.valueWhileTyping);
        user.Focus(edtOther);
        EXPECT_EQ(spinCount.Text(), c.textAfterLeaving);
    }
}

}  // namespace
}  // namespace vx::ui
