// The copies DrawText3D draws, and the skinned check box's picture.
#include <vector>

#include "tests/widgets/WidgetFixture.h"
#include "widgets/AHMCheckbox.h"
#include "widgets/AHMFont3D.h"

namespace vx::widgets {
namespace {

using ui::Rgb;

constexpr ui::Color Light = Rgb(250, 250, 0), Dark = Rgb(0, 0, 160), Front = Rgb(200, 0, 0), Repeat = Rgb(0, 150, 0);
const ui::Rect Box{10, 10, 110, 40};
constexpr auto Format = ui::TextFormat::SingleLine;

struct Copy {
    int dx, dy;
    ui::Color color;
};

ui::Bitmap Expected(const std::vector<Copy>& copies, ui::Rect box = Box)
{
    ui::Bitmap p(120, 50);
    ui::Canvas& c = p.GetCanvas();
    c.brush.style = ui::BrushStyle::Clear;
    for (const Copy& copy : copies) {
        c.font.color = copy.color;
        c.DrawText(box.Offsetted(copy.dx, copy.dy), "Ag", Format);
    }
    return p;
}

ui::Bitmap Drawn(const TAHMFont3D& f, bool enabled = true)
{
    ui::Bitmap p(120, 50);
    ui::Canvas& c = p.GetCanvas();
    c.font.color = Front;
    DrawText3D(f, c, enabled, Format, "Ag", Box);
    EXPECT_EQ(c.font.color, Front);
    return p;
}

TAHMFont3D Effect(TAHMStyle3D style, int offset)
{
    TAHMFont3D f;
    f.SetHighlight(Light);
    f.SetShadow(Dark);
    f.SetStyle3D(style);
    f.SetOffset(offset);
    return f;
}

TEST(DrawText3D, CopiesByStyle)
{
    using enum TAHMStyle3D;
    struct Case { const char* what; TAHMStyle3D style; int offset; std::vector<Copy> copies; };
    const Case cases[] = {
        {"raised", fontRaised, 2, {{-2, -2, Light}, {2, 2, Dark}, {0, 0, Front}}},
        {"inset", fontInset, 1, {{-1, -1, Dark}, {1, 1, Light}, {0, 0, Front}}},
        {"only shadow", fontOnlyShadow, 3, {{3, 3, Dark}, {0, 0, Front}}},
        {"only highlight", fontOnlyHighlight, 1, {{-1, -1, Light}, {0, 0, Front}}},
        {"outline", fontOutLineShadow, 4, {{-1, -1, Dark}, {1, -1, Dark}, {1, 1, Dark}, {-1, 1, Dark}, {0, 0, Front}}},
    };
    for (const Case& c : cases)
        EXPECT_TRUE(SamePixels(Drawn(Effect(c.style, c.offset)), Expected(c.copies))) << c.what;
}

TEST(DrawText3D, FlatAndDisabled)
{
    TAHMFont3D flat = Effect(TAHMStyle3D::fontRaised, 2);
    flat.SetThreeDimensional(false);
    EXPECT_TRUE(SamePixels(Drawn(flat), Expected({{0, 0, Front}})));
    const ui::Color highlight = ui::SysColor(ui::SystemColor::ButtonHighlight);
    const ui::Color grey = ui::SysColor(ui::SystemColor::GrayText);
    EXPECT_TRUE(SamePixels(Drawn(flat, false), Expected({{0, 0, highlight}, {-1, -1, grey}})));
}

TEST(DrawText3D, RepetitionsInTheShrunkRectangleBeforeTheCopies)
{
    TAHMFont3D f = Effect(TAHMStyle3D::fontOnlyHighlight, 1);
    f.SetRepetition(TAHMRepeat::repeatOnShadow);
    f.SetRepetitionColor(Repeat);
    f.SetRepetitionwidth(3);
    const ui::Rect shrunk = Box.Inflated(-3, -3);
    // The rectangle ends one step past the last repetition; the copies follow it.
    EXPECT_TRUE(SamePixels(Drawn(f), Expected({{1, 1, Repeat}, {0, 0, Repeat}, {-1, -1, Repeat}, {-3, -3, Light},
                                               {-2, -2, Front}}, shrunk)));
}

class CheckboxTest : public WidgetFixture {};

TEST_F(CheckboxTest, PictureHoldsTheCaptionBesideTheBox)
{
    TAHMCheckbox box(&form);
    EXPECT_EQ(box.Width(), 120);
    EXPECT_EQ(box.Height(), 22);
    box.SetColor(ui::clWhite);
    box.SetCaption("Step");
    ASSERT_TRUE(box.Picture());
    EXPECT_EQ(box.Picture()->Width(), 120);
    EXPECT_EQ(box.CaptionRect(), (ui::Rect{18, 6, 114, 16}));
    box.SetAlignButton(TAlignment::taRightJustify);
    EXPECT_TRUE(box.BoxOnRight());
    EXPECT_EQ(box.CaptionRect(), (ui::Rect{6, 6, 102, 16}));
    box.SetAsButton(true);
    EXPECT_TRUE(box.PushLike());
    EXPECT_TRUE(box.Sunken());
    EXPECT_EQ(box.CaptionRect(), (ui::Rect{6, 6, 114, 16}));
    box.SetButtonSunk(false);
    EXPECT_FALSE(box.Sunken());
}

TEST_F(CheckboxTest, BackgroundFillsThePictureUntilItGoesAway)
{
    TAHMCheckbox box(&form);
    box.SetColor(ui::clWhite);
    {
        TAHMBackground background;
        background.SetStyle(TAHMBackgroundStyle::bSolidcolor);
        background.SetColor(Rgb(0, 90, 0));
        box.SetBackground(&background);
        EXPECT_EQ(box.Picture()->Pixel(1, 1), Rgb(0, 90, 0));
        background.SetColor(Rgb(0, 0, 90));
        EXPECT_EQ(box.Picture()->Pixel(1, 1), Rgb(0, 0, 90));
    }
    EXPECT_EQ(box.Background(), nullptr);
    EXPECT_EQ(box.Picture()->Pixel(1, 1), ui::clWhite);
}

}  // namespace
}  // namespace vx::widgets
