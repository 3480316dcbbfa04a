// Spin boxes keep their value inside their range.
#include <string>
#include <vector>

#include "tests/ui/UiFixture.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/SpinBox.h"

namespace vx::ui {
namespace {

class SpinForm : public Form {
public:
    SpinForm()
    {
        SetClientSize(200, 100);
        spin.SetBounds(10, 10, 60, 21);
        spin.SetRange(5, 60);
        spin.SetIncrement(5);
        spin.SetValue(60);
        other.SetBounds(10, 50, 60, 21);
    }
    SpinBox spin{this};
    Edit other{this};
};

using SpinBoxTest = UiFixture;

TEST_F(SpinBoxTest, ValuesSetByCodeShowTheNearestBound)
{
    struct Case {
        int set;
        int shown;
    };
    const std::vector<Case> cases = {{30, 30}, {4, 5}, {-100, 5}, {61, 60}, {2147483647, 60}};
    SpinForm form;
    for (const Case& c : cases) {
        form.spin.SetValue(c.set);
        EXPECT_EQ(form.spin.Value(), c.shown) << c.set;
        EXPECT_EQ(form.spin.Text(), std::to_string(c.shown)) << c.set;
    }
}

TEST_F(SpinBoxTest, TypedTextReadsAsANumberInRangeAndIsCorrectedWhenFocusLeaves)
{
    struct Case {
        const char* typed;
        int read;
        const char* afterFocusLeaves;
    };
    const std::vector<Case> cases = {
        {"25", 25, "25"}, {" 30 ", 30, "30"}, {"200", 60, "60"}, {"1", 5, "5"},
        {"abc", 5, "5"},  {"", 5, "5"},       {"12x", 5, "5"},   {"99999999999999", 60, "60"},
    };
    SpinForm form;
    form.Show();
    for (const Case& c : cases) {
        user.Type(form.spin, c.typed);
        EXPECT_EQ(form.spin.Text(), c.typed);
        EXPECT_EQ(form.spin.Value(), c.read) << c.typed;
        user.Focus(form.other);
        EXPECT_EQ(form.spin.Text(), c.afterFocusLeaves) << c.typed;
    }
}

TEST_F(SpinBoxTest, ArrowsStepByTheIncrementAndStopAtTheBounds)
{
    SpinForm form;
    form.Show();
    user.Spin(form.spin, +1);
    EXPECT_EQ(form.spin.Value(), 60);
    user.Spin(form.spin, -1);
    user.Spin(form.spin, -1);
    EXPECT_EQ(form.spin.Value(), 50);
    form.spin.SetValue(7);
    user.Spin(form.spin, -1);
    EXPECT_EQ(form.spin.Value(), 5);
}

TEST_F(SpinBoxTest, NarrowingTheRangeBringsTheValueIn)
{
    SpinForm form;
    form.spin.SetRange(1, 3);
    EXPECT_EQ(form.spin.Value(), 3);
}

}  // namespace
}  // namespace vx::ui
