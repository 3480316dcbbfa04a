// The shaped window's stored outline and dragging the window by its picture.
#include <stdexcept>

#include "tests/widgets/WidgetFixture.h"
#include "ui/Panel.h"
#include "widgets/PlasmaForm.h"

namespace vx::widgets {
namespace {

std::vector<std::uint8_t> Record(std::int32_t n, std::vector<std::uint8_t> data = {})
{
    std::vector<std::uint8_t> out;
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(n) >> shift));
    out.insert(out.end(), data.begin(), data.end());
    return out;
}

TEST(PlasmaRegion, SavesCountThenRegionDataAndReadsItBack)
{
    const ui::Region outline = ui::Region::FromRoundRect({1, 1, 578, 451}, 40, 40);
    TPlasmaRegion mask;
    mask.Assign(outline);
    const std::vector<std::uint8_t> stored = mask.SaveData();
    const std::size_t rects = outline.Rectangles().size();
    ASSERT_EQ(stored.size(), 4 + 32 + 16 * rects);
    EXPECT_EQ(stored[0] | (stored[1] << 8), static_cast<int>(32 + 16 * rects));

    std::vector<std::uint8_t> stream = stored;
    stream.push_back(0xAB);  // the next property's bytes
    TPlasmaRegion loaded;
    EXPECT_EQ(loaded.LoadData(stream), stored.size());
    ASSERT_TRUE(loaded.Region());
    EXPECT_EQ(*loaded.Region(), outline);
    EXPECT_EQ(loaded.Region()->Bounds(), (ui::Rect{1, 1, 577, 450}));
}

TEST(PlasmaRegion, NoRegionForCountsOfZeroOrLessAndForBadRecords)
{
    TPlasmaRegion full;
    full.Assign(ui::Region::FromRect({0, 0, 10, 10}));
    const std::vector<std::uint8_t> valid = full.SaveData();
    struct Case { const char* what; std::vector<std::uint8_t> bytes; std::size_t taken; };
    const Case cases[] = {
        {"zero", Record(0), 4},
        {"negative", Record(-368, std::vector<std::uint8_t>(8, 0)), 4},
        {"count past the end", Record(368, std::vector<std::uint8_t>(40, 0)), 44},
        {"not region data", Record(8, std::vector<std::uint8_t>(8, 0xFF)), 12},
        {"short count", {1, 0}, 2},
    };
    for (const Case& c : cases) {
        TPlasmaRegion mask;
        mask.LoadData(valid);
        ASSERT_TRUE(mask.Region());
        EXPECT_EQ(mask.LoadData(c.bytes), c.taken) << c.what;
        EXPECT_FALSE(mask.Region()) << c.what;
    }
    EXPECT_EQ(TPlasmaRegion{}.SaveData(), Record(0));
}

class PlasmaFormTest : public WidgetFixture {};

TEST_F(PlasmaFormTest, OnlyAFormTakesTheSurface)
{
    ui::Panel panel(&form);
    try {
        TPlasmaForm onPanel(&panel);
        FAIL() << "accepted a panel";
    } catch (const std::invalid_argument& e) {
        EXPECT_STREQ(e.what(), "Please Drop on a Form");
    }
    TPlasmaForm surface(&form);
    EXPECT_EQ(form.GetBorderStyle(), ui::BorderStyle::None);
    EXPECT_EQ(surface.Bounds(), form.ClientRect());
}

TEST_F(PlasmaFormTest, PictureSizesTheWindowAndTheMaskCutsIt)
{
    TPlasmaForm surface(&form);
    surface.SetPicture(ui::Bitmap(633, 452));
    EXPECT_EQ(form.ClientWidth(), 633);
    EXPECT_EQ(form.ClientHeight(), 452);
    EXPECT_EQ(surface.Width(), 633);

    surface.Mask().Assign(ui::Region::FromRect({1, 1, 578, 451}));
    surface.Loaded();
    ASSERT_TRUE(form.WindowRegion());
    EXPECT_FALSE(form.WindowRegion()->Contains({600, 100}));
    surface.Mask().LoadData(Record(0));
    surface.Loaded();
    EXPECT_FALSE(form.WindowRegion());
}

TEST_F(PlasmaFormTest, LeftDragMovesTheWindowByTheMouseOffset)
{
    TPlasmaForm surface(&form);
    // The window's own handler runs before the window moves.
    std::vector<int> leftSeenByHandler;
    surface.OnMouseMove = [&](ui::ShiftState, ui::Point) { leftSeenByHandler.push_back(form.Left()); };
    user.MoveTo({150, 150});
    user.Press(ui::MouseButton::Left);
    leftSeenByHandler.clear();
    user.MoveTo({157, 153});
    ASSERT_FALSE(leftSeenByHandler.empty());
    EXPECT_EQ(leftSeenByHandler.front(), 100);
    EXPECT_EQ(form.Left(), 107);
    EXPECT_EQ(form.Top(), 103);
    user.MoveTo({167, 163});
    EXPECT_EQ(form.Left(), 117);
    EXPECT_EQ(form.Top(), 113);
    user.Release(ui::MouseButton::Left);
}

TEST_F(PlasmaFormTest, OtherButtonsKeysOrNotMoveableKeepTheWindow)
{
    TPlasmaForm surface(&form);
    struct Case { const char* what; ui::ShiftState held; bool moveable; };
    ui::ShiftState leftAndRight = ui::ShiftState::Only(ui::MouseButton::Left).With(ui::MouseButton::Right);
    ui::ShiftState leftCtrl = ui::ShiftState::Only(ui::MouseButton::Left);
    leftCtrl.ctrl = true;
    ui::ShiftState leftShift = ui::ShiftState::Only(ui::MouseButton::Left);
    leftShift.shift = true;
    const Case cases[] = {
        {"left and right", leftAndRight, true}, {"ctrl", leftCtrl, true}, {"shift", leftShift, true},
        {"right", ui::ShiftState::Only(ui::MouseButton::Right), true},
        {"not moveable", ui::ShiftState::Only(ui::MouseButton::Left), false},
    };
    for (const Case& c : cases) {
        surface.SetMoveable(c.moveable);
        form.DispatchMouse({ui::MouseAction::Down, ui::MouseButton::Left, ui::ShiftState::Only(ui::MouseButton::Left), {50, 50}});
        form.DispatchMouse({ui::MouseAction::Move, ui::MouseButton::Left, c.held, {60, 70}});
        form.DispatchMouse({ui::MouseAction::Up, ui::MouseButton::Left, {}, {60, 70}});
        EXPECT_EQ(form.Left(), 100) << c.what;
        EXPECT_EQ(form.Top(), 100) << c.what;
    }
}

}  // namespace
}  // namespace vx::widgets
