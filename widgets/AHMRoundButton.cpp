#include "widgets/AHMRoundButton.h"

#include <cmath>

#include "ui/Bitmap.h"
#include "ui/Canvas.h"
#include "widgets/ColorShading.h"

namespace vx::widgets {

using ui::Point;
using ui::Rect;

TAHMRoundButton::TAHMRoundButton(ui::Control* parent) : GraphicButton(parent)
{
    SetClickOnRelease(false);
    SetBounds(0, 0, 25, 25);
    glyph_.OnChange = [this] { Invalidate(); };
}

void TAHMRoundButton::SetButtonType(TAHMButtonType type)
{
    buttonType_ = type;
    Invalidate();
}

void TAHMRoundButton::SetUnUsedColor(ui::Color c)
{
    unusedColor_ = c;
    Invalidate();
}

bool TAHMRoundButton::Inside(int x, int y) const
{
    const int c = Width() / 2;
    const double dx = c - x, dy = Height() / 2 - y;
    return RoundHalfEven(std::sqrt(dx * dx + dy * dy)) <= c - 1;
}

void TAHMRoundButton::Paint(ui::Canvas& canvas)
{
    const int W = Width(), H = Height();
    const ui::Color key = ui::ColorToRgb(unusedColor_);
    ui::Bitmap result(W, H), stencil(W, H);
    stencil.GetCanvas().CopyRect({0, 0, W, H}, canvas, {0, 0, W, H});
    if (Background())
        Background()->Draw(result.GetCanvas(), W, H, true);
    ui::Canvas& s = stencil.GetCanvas();
    s.brush = ui::Brush{key, ui::BrushStyle::Solid};
    if (buttonType_ == TAHMButtonType::btNormal) {
        s.pen = ui::Pen{ui::clBlack};
        s.Ellipse({0, 0, W - 1, H - 1});
    } else {
        s.pen = ui::Pen{key};
        s.Ellipse({1, 1, W - 2, H - 2});
        const Point a{4 * (W / 5), H / 5}, b{W / 5, 4 * (H / 5)};
        s.pen = ui::Pen{ui::clBtnShadow};
        s.Arc({0, 0, W - 1, H - 1}, a, b);
        s.pen = ui::Pen{ui::clBtnHighlight};
        s.Arc({0, 0, W - 1, H - 1}, b, a);
    }
    result.GetCanvas().DrawTransparent(0, 0, stencil, key);
    canvas.Draw(0, 0, result);
    PaintRim(canvas);
    const int x = RoundHalfEven(W - glyph_.CellWidth(), 2), y = RoundHalfEven(H - glyph_.CellHeight(), 2) - 1;
    glyph_.Draw(canvas, x, y, Enabled(), pressed_);
    // Inside the circle: the corners of a square of side W * 0.6 stay within it.
    const int inset = W / 5;
    PaintFocus(canvas, {inset, inset, W - inset, H - inset}, ui::clBlack);
}

void TAHMRoundButton::PaintRim(ui::Canvas& canvas) const
{
    const int W = Width(), H = Height();
    const Point a{4 * (W / 5), H / 5}, b{W / 5, 4 * (H / 5)};
    const Rect box{1, 1, W - 2, H - 2};
    canvas.pen = ui::Pen{pressed_ ? ui::clBtnShadow : ui::clBtnHighlight};
    canvas.Arc(box, a, b);
    canvas.pen = ui::Pen{pressed_ ? ui::clBtnHighlight : ui::clBtnShadow};
    canvas.Arc(box, b, a);
}

void TAHMRoundButton::SetPressed(bool pressed)
{
    if (pressed == pressed_)
        return;
    pressed_ = pressed;
    Repaint();
}

void TAHMRoundButton::MouseDown(ui::MouseButton button, ui::ShiftState shift, Point pos)
{
    GraphicButton::MouseDown(button, shift, pos);
    if (Enabled() && Inside(pos.x, pos.y))
        SetPressed(true);
    tracking_ = true;
}

void TAHMRoundButton::MouseMove(ui::ShiftState shift, Point pos)
{
    GraphicButton::MouseMove(shift, pos);
    if (tracking_)
        SetPressed(Inside(pos.x, pos.y));
}

void TAHMRoundButton::MouseUp(ui::MouseButton button, ui::ShiftState shift, Point pos)
{
    GraphicButton::MouseUp(button, shift, pos);
    const bool click = Enabled() && Inside(pos.x, pos.y);
    tracking_ = false;
    // Also after a release outside without a move in between: the rim must not stay sunk.
    SetPressed(false);
    if (click)
        Click();
}

}  // namespace vx::widgets
