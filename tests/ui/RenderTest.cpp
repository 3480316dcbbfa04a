// Rendering forms to pictures: windowless controls in z-order, native controls in
// the classic look, owner-drawn buttons, window regions.
#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/ui/UiFixture.h"
#include "ui/Bitmap.h"
#include "ui/Button.h"
#include "ui/Canvas.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/GroupBox.h"
#include "ui/Label.h"
#include "ui/Memo.h"
#include "ui/OwnerDrawButton.h"
#include "ui/Panel.h"
#include "ui/RadioButton.h"
#include "ui/SpinBox.h"
#include "ui/host/FormRenderer.h"

namespace vx::ui {
namespace {

const std::string ScreensDir = std::string(VX_SOURCE_DIR) + "/build/screens";

// Red while pressed, blue otherwise.
class SignalButton : public OwnerDrawButton {
public:
    using OwnerDrawButton::OwnerDrawButton;

protected:
    void Paint(Canvas& canvas) override
    {
        canvas.brush = Brush{Pressed() ? clRed : clBlue, BrushStyle::Solid};
        canvas.FillRect(ClientRect());
    }
};

class Gallery : public Form {
public:
    Gallery()
    {
        SetName("gallery");
        SetClientSize(320, 240);
        SetColor(clWhite);
        panel.SetBounds(10, 10, 140, 60);
        panel.SetColor(clSilver);
        lblTitle.SetBounds(5, 5, 120, 16);
        lblTitle.SetCaption("Velocitrex");
        lblTitle.SetTransparent(true);
        lblTitle.SetFont(Font{"Arial", -13, clNavy, true});
        btnOk.SetBounds(170, 10, 75, 25);
        btnOk.SetCaption("&OK");
        btnOk.SetDefault(true);
        cbxIcon.SetBounds(170, 45, 140, 20);
        cbxIcon.SetCaption("Add Icon");
        cbxIcon.SetChecked(true);
        group.SetBounds(10, 80, 140, 70);
        group.SetCaption(" TTL ");
        rbtn64.SetBounds(8, 20, 120, 18);
        rbtn64.SetCaption("64 (better)");
        rbtn64.SetChecked(true);
        combo.SetBounds(170, 80, 100, 21);
        combo.SetItems({"576", "1500"});
        combo.SetText("576");
        spin.SetBounds(170, 110, 60, 21);
        spin.SetRange(1, 113);
        spin.SetValue(60);
        edit.SetBounds(170, 140, 140, 21);
        edit.SetText("C:\\Program Files");
        memo.SetBounds(10, 160, 140, 70);
        memo.SetVerticalScrollBar(true);
        memo.SetText("Licence agreement\r\nLine two");
        signal.SetBounds(250, 180, 60, 40);
    }
    Panel panel{this};
    Label lblTitle{&panel};
    Button btnOk{this};
    CheckBox cbxIcon{this};
    GroupBox group{this};
    RadioButton rbtn64{&group};
    ComboBox combo{this};
    SpinBox spin{this};
    Edit edit{this};
    Memo memo{this};
    SignalButton signal{this};
};

int CountColour(const Bitmap& picture, const Rect& area, Color colour)
{
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x)
            count += picture.Pixel(x, y) == ColorToRgb(colour) ? 1 : 0;
    }
    return count;
}

// The columns and rows of an area that hold a colour.
Rect Extent(const Bitmap& picture, const Rect& area, Color colour)
{
    Rect found{area.right, area.bottom, area.left, area.top};
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            if (picture.Pixel(x, y) != colour)
                continue;
            found = {std::min(found.left, x), std::min(found.top, y), std::max(found.right, x + 1),
                     std::max(found.bottom, y + 1)};
        }
    }
    return found;
}

using RenderTest = UiFixture;

TEST_F(RenderTest, LabelsAlignAndWrapTheirText)
{
    struct Case {
        Alignment alignment;
        bool wrap;
        bool (*check)(const Rect& text);
    };
    const std::vector<Case> cases = {
        {Alignment::Left, false, [](const Rect& t) { return t.left < 5 && t.right < 150; }},
        {Alignment::Right, false, [](const Rect& t) { return t.left > 50 && t.right > 195; }},
        {Alignment::Center, false, [](const Rect& t) { return std::abs((t.left + t.right) / 2 - 100) <= 3; }},
        {Alignment::Left, true, [](const Rect& t) { return t.Height() > 15; }},  // two lines
    };
    for (const Case& c : cases) {
        Form form;
        form.SetClientSize(200, 60);
        form.SetColor(clWhite);
        Label label(&form);
        label.SetBounds(0, 0, 200, 60);
        label.SetFont(Font{"Arial", -11, clBlack});
        label.SetCaption(c.wrap ? "Preparing your system for acceleration... Please wait..." : "Reboot Later");
        label.SetAlignment(c.alignment);
        label.SetWordWrap(c.wrap);
        const Rect text = Extent(RenderForm(form), form.ClientRect(), clBlack);
        EXPECT_TRUE(c.check(text)) << static_cast<int>(c.alignment) << " " << c.wrap << ": " << text.left << ".."
                                   << text.right << " x " << text.top << ".." << text.bottom;
    }
}

TEST_F(RenderTest, ShowsEveryControlWhereItLies)
{
    Gallery form;
    const Bitmap picture = RenderForm(form);
    EXPECT_FALSE(SaveRendering(picture, ScreensDir, "framework_gallery").empty());

    EXPECT_EQ(picture.Pixel(5, 5), clWhite);                          // form colour
    EXPECT_EQ(picture.Pixel(10, 10), ColorToRgb(clBtnHighlight));     // panel's raised bevel
    EXPECT_EQ(picture.Pixel(140, 50), clSilver);                      // panel face
    EXPECT_GT(CountColour(picture, Rect::Bounds(15, 15, 120, 16), clNavy), 20);  // label text
    EXPECT_EQ(picture.Pixel(170, 10), clBlack);                       // default button's frame
    EXPECT_EQ(picture.Pixel(172 + 3, 12 + 3), ColorToRgb(clBtnFace)); // button face
    EXPECT_GT(CountColour(picture, Rect::Bounds(170, 45, 13, 20), clWindowText), 5);  // check mark
    EXPECT_GT(CountColour(picture, Rect::Bounds(10, 100, 14, 18), clWindowText), 3);  // radio dot
    EXPECT_EQ(picture.Pixel(280, 200), clBlue);                       // owner-drawn
}

TEST_F(RenderTest, HiddenControlsAndTheirChildrenAreNotDrawn)
{
    Gallery form;
    form.panel.SetVisible(false);
    const Bitmap picture = RenderForm(form);
    EXPECT_EQ(CountColour(picture, form.panel.BoundsInForm(), clWhite), 140 * 60);
}

TEST_F(RenderTest, AnOwnerDrawnButtonShowsItsPressedStateWhileHeld)
{
    Gallery form;
    form.Show();
    int clicks = 0;
    form.signal.OnClick = [&] { ++clicks; };
    user.Press(form.signal);
    EXPECT_EQ(RenderControl(form.signal).Pixel(10, 10), clRed);
    user.Release(MouseButton::Left);
    EXPECT_EQ(RenderControl(form.signal).Pixel(10, 10), clBlue);
    EXPECT_EQ(clicks, 1);
    user.Press(form.signal);
    user.MoveTo(form.btnOk);
    user.Release(MouseButton::Left);
    EXPECT_EQ(clicks, 1);  // released elsewhere
}

TEST_F(RenderTest, OutsideTheWindowRegionShowsTheDesktop)
{
    Gallery form;
    form.SetWindowRegion(Region::FromEllipse({0, 0, 320, 240}));
    const Bitmap picture = RenderForm(form, clFuchsia);
    EXPECT_EQ(picture.Pixel(0, 0), clFuchsia);
    EXPECT_EQ(picture.Pixel(160, 5), clWhite);
}

}  // namespace
}  // namespace vx::ui
