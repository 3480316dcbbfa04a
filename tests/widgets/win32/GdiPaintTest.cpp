// Each component painted through GDI (DIB-section bitmaps with the GDI canvas)
// and through the software canvas, pixel for pixel. Captions are left empty:
// the two draw text with different fonts.
// Before the canvas headers, so its DrawText and TextOut macros rename them alike.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tests/widgets/WidgetFixture.h"
#include "ui/BitmapStorage.h"
#include "ui/win32/GdiDrawing.h"
#include "widgets/AHMGradient.h"
#include "widgets/AHMHint.h"
#include "widgets/AHMNewHint.h"
#include "widgets/AHMRoundButton.h"
#include "widgets/DsFancyButton.h"
#include "widgets/JLAqua.h"
#include "widgets/NvOS8PushButton.h"

namespace vx::widgets {
namespace {

// What a case paints, as a picture made with the bitmaps of the moment.
using Painter = std::function<ui::Bitmap()>;

// The pixels where the two differ, as "x,y" texts.
std::vector<std::string> Differences(const Painter& paint)
{
    const ui::Bitmap soft = paint();
    ui::win32::DibStorageFactory dibs;
    const ui::Bitmap gdi = [&] {
        platform::ScopedService<ui::BitmapStorageFactory> scope(dibs);
        return paint();
    }();
    std::vector<std::string> differ;
    for (int y = 0; y < soft.Height(); ++y)
        for (int x = 0; x < soft.Width(); ++x)
            if (soft.Pixel(x, y) != gdi.Pixel(x, y))
                differ.push_back(std::to_string(x) + "," + std::to_string(y));
    return differ;
}

ui::Bitmap Painted(ui::GraphicControl& control)
{
    return PaintAlone(control, ui::Rgb(30, 60, 90));
}

class GdiPaintTest : public WidgetFixture {};

// A gradient on a control of its own.
class GradientSwatch : public ui::GraphicControl {
public:
    using GraphicControl::GraphicControl;
    TAHMGradient& Gradient() { return gradient_; }

protected:
    void Paint(ui::Canvas& canvas) override { gradient_.DrawGradient(canvas, Width(), Height(), true); }

private:
    TAHMGradient gradient_;
};

TEST_F(GdiPaintTest, ButtonsDrawTheSame)
{
    TDsFancyButton fancy(&form);
    TJLAqua aqua(&form);
    TAHMRoundButton round(&form);
    TAHMBackground circle;
    circle.Gradient().SetFillStyle(TAHMFillStyle::Circle);
    round.SetBackground(&circle);
    round.SetBounds(0, 0, 25, 25);
    // tolerated: pixels allowed to differ. The software arc ends one pixel away
    // from GDI's on the round button's rim (20, 6).
    struct Case { std::string name; std::function<void()> setUp; ui::GraphicControl* control; std::size_t tolerated = 0; };
    const std::vector<Case> cases = {
        {"fancy rectangle", [] {}, &fancy},
        {"fancy capsule", [&] { fancy.SetShape(TFShape::shCapsule); }, &fancy},
        {"fancy oval pressed", [&] {
             fancy.SetShape(TFShape::shOval);
             fancy.HandleMouse({ui::MouseAction::Down, ui::MouseButton::Left, ui::ShiftState::Only(ui::MouseButton::Left), {39, 23}});
         }, &fancy},
        {"aqua button", [] {}, &aqua},
        {"aqua small corners", [&] { aqua.SetSmallCorners(true); }, &aqua},
        {"aqua orb", [&] { aqua.SetButtonShape(TJLAquaType::bsOrb); aqua.SetBounds(0, 0, 30, 30); }, &aqua},
        {"round button", [] {}, &round, 1},
        {"round button inset", [&] { round.SetButtonType(TAHMButtonType::btInset); }, &round, 1},
    };
    for (const Case& c : cases) {
        c.setUp();
        const std::vector<std::string> differ = Differences([&] { return Painted(*c.control); });
        EXPECT_LE(differ.size(), c.tolerated) << c.name << ": " << ::testing::PrintToString(differ);
    }
}

TEST_F(GdiPaintTest, ShadedPushButtonDrawsTheSame)
{
    TNvOS8PushButton button(&form);
    button.SetBounds(0, 0, 90, 28);
    auto paint = [&] {
        ui::Bitmap p(button.Width(), button.Height());
        button.PaintButton(p.GetCanvas());
        return p;
    };
    for (int state = 0; state < 4; ++state) {
        button.SetDefault(state == 1);
        button.NativePressed(state == 2);
        button.SetEnabled(state != 3);
        EXPECT_EQ(Differences(paint), std::vector<std::string>{}) << "state " << state;
    }
}

TEST_F(GdiPaintTest, EveryGradientStyleDrawsTheSame)
{
    GradientSwatch swatch(&form);
    swatch.SetBounds(0, 0, 47, 33);
    swatch.Gradient().SetColorsInBetween({"clYellow"});
    swatch.Gradient().SetColorCount(12);
    for (int s = 0; s <= static_cast<int>(TAHMFillStyle::HorizontalDoppelBar); ++s) {
        swatch.Gradient().SetFillStyle(static_cast<TAHMFillStyle>(s));
        EXPECT_EQ(Differences([&] { return Painted(swatch); }), std::vector<std::string>{}) << "style " << s;
    }
}

TEST_F(GdiPaintTest, HintBubbleDrawsTheSame)
{
    TAHMHint hint;
    TAHMNewHint window;
    for (bool bubble : {false, true}) {
        hint.SetSpeechbubble(bubble);
        for (ui::Point mouse : {ui::Point{500, 400}, {500, 10}}) {
            window.Place(mouse, {1024, 768}, {0, 0, 90, 30}, "", TAHMDirection::dUpRight);
            auto paint = [&] {
                ui::Bitmap screen(window.Width(), window.Height());
                screen.Fill(ui::Rgb(0, 128, 128));
                return window.Render(screen);
            };
            EXPECT_EQ(Differences(paint), std::vector<std::string>{}) << "bubble " << bubble << " at y " << mouse.y;
        }
    }
}

}  // namespace
}  // namespace vx::widgets
