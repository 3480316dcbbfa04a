#include "widgets/DsFancyButton.h"

#include <algorithm>

#include "platform/CurrentService.h"
#include "ui/Accelerator.h"
#include "ui/Canvas.h"
#include "widgets/ColorShading.h"

namespace vx::widgets {

using ui::Rect;
using ui::Region;

namespace {

bool& PressLandedInside()
{
    return platform::CurrentService<FancyButtonPress>::Get().landedInside;
}

Region RoundedOrPlain(int c, int i, int w, int h, int r)
{
    if (r <= 0)
        return Region::FromRect({c, c, w - i - 1, h - i - 1});
    return Region::FromRoundRect({c, c, w - i, h - i}, 2 * r, 2 * r);
}

}  // namespace

TDsFancyButton::TDsFancyButton(ui::Control* parent) : GraphicButton(parent)
{
    SetBounds(0, 0, 78, 46);
}

void TDsFancyButton::SetFrameWidth(int width)
{
    const int most = std::min(Width(), Height()) / 2;
    frameWidth_ = width < 4 ? 4 : width > most ? most : width;
    Invalidate();
}

void TDsFancyButton::SetCornerRadius(int radius)
{
    const int most = std::min(Width(), Height());
    cornerRadius_ = radius < 3 ? 3 : radius > most ? most : radius;
    Invalidate();
}

Region TDsFancyButton::ShapeRegion() const
{
    const int w = Width(), h = Height();
    switch (shape_) {
    case TFShape::shCapsule: {
        const int d = std::min(w, h);
        return Region::FromRoundRect({0, 0, w, h}, d, d);
    }
    case TFShape::shOval: return Region::FromEllipse({0, 0, w, h});
    case TFShape::shRectangle: break;
    }
    const int d = 2 * cornerRadius_;
    if (d == 0)
        return Region::FromRect({0, 0, w - 1, h - 1});
    return Region::FromRoundRect({0, 0, w, h}, d, d);
}

Region TDsFancyButton::RingRegion(int i) const
{
    const int w = Width(), h = Height(), c = i + 1;
    switch (shape_) {
    case TFShape::shCapsule: return RoundedOrPlain(c, i, w, h, std::min(w, h) / 2 - i);
    case TFShape::shOval: return Region::FromEllipse({c, c, w - i, h - i});
    case TFShape::shRectangle: break;
    }
    return RoundedOrPlain(c, i, w, h, cornerRadius_ - i);
}

void TDsFancyButton::Paint(ui::Canvas& canvas)
{
    Region shape = ShapeRegion();
    canvas.FillRegion(shape, buttonColor_);
    canvas.FrameRegion(shape, pressed_ ? ui::clBlack : ui::clBtnShadow, 1, 1);
    shape.Offset(1, 1);
    canvas.FrameRegion(shape, pressed_ ? ui::clBtnHighlight : ui::clBtnShadow, 1, 1);
    const int rings = RingCount();
    for (int i = 0; i < rings; ++i)
        canvas.FrameRegion(RingRegion(i), BevelRingColor(frameColor_, buttonColor_, i, rings), 1, 1);
    PaintCaption(canvas);
    const int inset = std::min(frameWidth_, std::min(Width(), Height()) / 3);
    PaintFocus(canvas, ClientRect().Inflated(-inset, -inset), Enabled() ? GetFont().color : disabledFontColor_);
    if (Width() > MaxSide || Height() > MaxSide)
        SetBounds(Left(), Top(), std::min(Width(), MaxSide), std::min(Height(), MaxSide));
}

void TDsFancyButton::PaintCaption(ui::Canvas& canvas)
{
    const auto format = ui::TextFormat::SingleLine | ui::TextFormat::Center | ui::TextFormat::VCenter;
    canvas.brush.style = ui::BrushStyle::Clear;
    const Rect r = ClientRect();
    if (!Enabled()) {
        canvas.font.color = disabledFontColor_;
        canvas.font.bold = true;
        canvas.DrawText(r, Caption(), format);
        return;
    }
    const int push = pressed_ ? 1 : 0;
    if (textStyle_ == TTextStyle::txNone) {
        canvas.DrawText(r.Offsetted(push, push), Caption(), format);
        return;
    }
    const int d = textStyle_ == TTextStyle::txRaised ? -(1 + push) : textStyle_ == TTextStyle::txLowered ? 1 + push : 2 + push;
    const ui::Color front = canvas.font.color;
    canvas.font.color = ui::clBlack;
    canvas.DrawText(r.Offsetted(d, d), Caption(), format);
    canvas.font.color = front;
    canvas.DrawText(r, Caption(), format);
}

void TDsFancyButton::SetPressed(bool pressed)
{
    pressed_ = pressed;
    Repaint();
}

void TDsFancyButton::MouseDown(ui::MouseButton button, ui::ShiftState shift, ui::Point pos)
{
    if (button != ui::MouseButton::Right) {
        mouseHeld_ = true;
        PressLandedInside() = ShapeRegion().Contains(pos);
        if (PressLandedInside())
            SetPressed(true);
    }
    GraphicButton::MouseDown(button, shift, pos);
}

void TDsFancyButton::MouseUp(ui::MouseButton button, ui::ShiftState shift, ui::Point pos)
{
    if (button != ui::MouseButton::Right) {
        mouseHeld_ = false;
        if (PressLandedInside())
            SetPressed(false);
    }
    GraphicButton::MouseUp(button, shift, pos);
}

void TDsFancyButton::Click()
{
    // A press outside the shape (a corner of a round button) is not a click.
    if (mouseHeld_ && !PressLandedInside())
        return;
    pressed_ = false;
    Repaint();
    GraphicButton::Click();
}

bool TDsFancyButton::DialogChar(char c)
{
    if (!Enabled() || !ui::IsAccelerator(c, Caption()))
        return false;
    Click();
    return true;
}

}  // namespace vx::widgets

namespace vx::platform {

template <>
widgets::FancyButtonPress& DefaultService<widgets::FancyButtonPress>()
{
    static widgets::FancyButtonPress press;
    return press;
}

}  // namespace vx::platform
