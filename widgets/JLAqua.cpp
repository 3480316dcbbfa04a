#include "widgets/JLAqua.h"

#include <algorithm>
#include <array>
#include <vector>

#include "ui/Bitmap.h"
#include "ui/Canvas.h"
#include "widgets/ColorShading.h"

namespace vx::widgets {

using ui::Canvas;
using ui::Color;
using ui::Rect;

namespace {

// One layer of the gloss: filled in fill, outlined in line.
struct Layer {
    Color fill, line;
    Rect r;
    int corner;
};

void DrawLayer(Canvas& c, const Layer& layer, bool orb)
{
    c.pen = ui::Pen{layer.line};
    c.brush = ui::Brush{layer.fill, ui::BrushStyle::Solid};
    if (orb)
        c.Ellipse(layer.r);
    else
        c.RoundRect(layer.r, layer.corner, layer.corner);
}

// The layers of one drawing, from the rim inwards, then the highlight in the
// upper third and the glow in the lower half; d shifts them while pressed.
struct Gloss {
    Color bg, V;
    int W, H, d, k;

    int R() const { return W - 2; }
    int B() const { return H - 3; }
    Color S(int i) const { return Shade(V, i); }
    Layer One(Color c, Rect r, int corner) const { return Layer{c, c, r, corner}; }

    std::vector<Layer> Body(int outer) const
    {
        return {One(Shade(bg, outer), {0, 0, W, H}, k), One(Shade(bg, 2), {0, 0, W - 1, H - 1}, k),
                One(Shade(bg, 3), {0, 0, W - 2, H - 2}, k), One(S(3), {0, 0, R(), B()}, k),
                One(S(1), {1, 1, R(), B()}, k), One(S(0), {2, 2, R(), B()}, k - 2),
                One(V, {3, 3, R() - 1, B() - 1}, k - 4)};
    }
    std::vector<Layer> Orb() const
    {
        std::vector<Layer> l = Body(0);
        const int t = B() / 3, h = B() / 2, R = this->R(), B = this->B();
        l.insert(l.end(), {One(S(6), {d + 5, d + 3, R - 5, t + 2}, k), One(S(7), {d + 6, d + 3, R - 6, t + 1}, k),
                           Layer{S(9), S(8), {d + 7, d + 3, R - 7, t}, k}, One(S(6), {d + 3, h + d, R - 3, B - 2}, k),
                           One(S(7), {d + 4, h + d + 1, R - 4, B - 2}, k), One(S(8), {d + 5, h + d + 2, R - 5, B - 2}, k),
                           One(S(9), {d + 7, h + d + 2, R - 7, B - 4}, k)});
        return l;
    }
    std::vector<Layer> Button(bool small) const
    {
        std::vector<Layer> l = Body(4);
        const int t = B() / 3, h = B() / 2, R = this->R(), B = this->B();
        if (!small) {
            l.insert(l.end(), {One(S(6), {d + 5, d + 3, R - 5, t + 2}, k), One(S(7), {d + 7, d + 3, R - 7, t + 1}, k),
                               Layer{S(9), S(8), {d + 8, d + 3, R - 8, t}, k}, One(S(6), {d + 3, h + d, R - 3, B - 2}, k),
                               One(S(7), {d + 5, h + d + 1, R - 5, B - 2}, k), One(S(8), {d + 7, h + d + 2, R - 7, B - 2}, k),
                               One(S(9), {d + 9, h + d + 3, R - 9, B - 4}, k)});
            return l;
        }
        l.insert(l.end(), {One(S(6), {d + 3, d + 3, R - 1, t + 2}, k), One(S(7), {d + 4, d + 3, R - 2, t + 1}, k),
                           Layer{S(9), S(8), {d + 4, d + 3, R - 2, t}, k}, One(S(6), {d + 3, h + d, R - 3, B - 2}, k),
                           One(S(7), {d + 4, h + d + 1, R - 3, B - 2}, 3), One(S(8), {d + 5, h + d + 2, R - 3, B - 2}, 3),
                           One(S(9), {d + 6, h + d + 3, R - 4, B - 4}, 4)});
        return l;
    }
};

bool IsPurePrimary(Color c)
{
    using namespace ui;
    return c == clRed || c == clLime || c == clBlue || c == clYellow || c == clFuchsia || c == clAqua;
}

}  // namespace

Color CustomColorValue(TJLCustomColor color)
{
    static constexpr std::array<Color, 11> values = {
        ui::clNone,          ui::Rgb(114, 156, 252), ui::Rgb(0, 100, 255),  ui::Rgb(166, 246, 26),
        ui::Rgb(247, 128, 207), ui::Rgb(246, 187, 26), ui::Rgb(194, 8, 247), ui::Rgb(247, 53, 122),
        ui::Rgb(163, 249, 210), ui::Rgb(244, 138, 33), ui::Rgb(146, 89, 7),
    };
    return values[static_cast<std::size_t>(color)];
}

TJLAqua::TJLAqua(ui::Control* parent) : GraphicButton(parent)
{
    SetClickOnRelease(false);
    SetBounds(0, 0, 75, 25);
    ui::Font font = GetFont();
    font.SetSize(10);
    font.bold = true;
    SetFont(font);
}

bool TJLAqua::Hits(ui::Point p) const
{
    const int W = Width(), H = Height();
    if (shape_ == TJLAquaType::bsOrb)
        return ui::Region::FromEllipse({1, 1, W - 2, H - 3}).Contains(p);
    return ui::Region::FromRoundRect({2, 2, W - 1, H - 2}, H - 2, H - 2).Contains(p);
}

Color TJLAqua::BodyColor(Color background) const
{
    if (!Enabled())
        return background;
    Color c = ui::ColorToRgb(buttonColor_);
    if (IsPurePrimary(c))
        c = Shade(c, 0);
    if (customColor_ != TJLCustomColor::ccNone)
        c = CustomColorValue(customColor_);
    if (state_ == AquaState::Hover && !captionMouseOver_)
        c = Shade(c, 9);
    return c;
}

void TJLAqua::Paint(Canvas& canvas)
{
    const int W = Width(), H = Height();
    Color bg = canvas.Pixel(0, 0);
    if (bg == ui::InvalidColor)
        bg = ui::ColorToRgb(backgroundError_);
    ui::Bitmap picture(W, H);
    picture.Fill(bg);
    Canvas& c = picture.GetCanvas();
    const Color V = BodyColor(bg);
    const bool orb = shape_ == TJLAquaType::bsOrb;
    const Gloss gloss{bg, V, W, H, state_ == AquaState::Pressed ? 2 : 0, smallCorners_ ? 8 : H};
    for (const Layer& layer : orb ? gloss.Orb() : gloss.Button(smallCorners_))
        DrawLayer(c, layer, orb);
    c.font = canvas.font;
    PaintCaption(c, bg, V);
    const Rect focus = orb ? Rect{W / 4, H / 4 - 1, W - W / 4, H - H / 4 - 1} : Rect{H / 3, 3, W - H / 3 - 1, H - 5};
    PaintFocus(c, focus, fontColor_);
    canvas.Draw(0, 0, picture);
}

void TJLAqua::PaintCaption(Canvas& c, Color bg, Color V)
{
    const bool active = state_ == AquaState::Hover || state_ == AquaState::Pressed;
    if (Caption().empty() || (captionMouseOver_ && !active))
        return;
    c.brush.style = ui::BrushStyle::Clear;
    const ui::Size ext = c.TextExtent(Caption());
    const bool pressed = state_ == AquaState::Pressed;
    const int R = Width() - 2, B = Height() - 3;
    const int y = std::max(0, (B - ext.cy + 2) / 2) + (pressed ? 1 : 0);
    const int x = (R - ext.cx + 2) / 2 + (pressed ? 1 : 0);
    if (!Enabled()) {
        c.font.color = Shade(bg, 0);
        c.TextOut(x, y - 1, Caption());
        return;
    }
    c.font.color = Shade(V, 7);
    c.TextOut(x, pressed ? y - 1 : y + 1, Caption());
    c.font.color = fontColor_;
    c.TextOut(x, y - 1, Caption());
}

void TJLAqua::SetState(AquaState state)
{
    if (state == state_)
        return;
    state_ = state;
    Repaint();
}

void TJLAqua::MouseDown(ui::MouseButton button, ui::ShiftState shift, ui::Point pos)
{
    GraphicButton::MouseDown(button, shift, pos);
    if (button != ui::MouseButton::Left)
        return;
    if (Enabled() && Hits(pos))
        SetState(AquaState::Pressed);
    mouseDown_ = true;
}

void TJLAqua::MouseMove(ui::ShiftState shift, ui::Point pos)
{
    GraphicButton::MouseMove(shift, pos);
    if (!Enabled())
        return;
    if (!Hits(pos))
        SetState(AquaState::Normal);
    else
        SetState(mouseDown_ ? AquaState::Pressed : AquaState::Hover);
}

void TJLAqua::MouseUp(ui::MouseButton button, ui::ShiftState shift, ui::Point pos)
{
    GraphicButton::MouseUp(button, shift, pos);
    if (button != ui::MouseButton::Left || !Enabled() || !mouseDown_)
        return;
    SetState(AquaState::Normal);
    mouseDown_ = false;
    Click();
}

void TJLAqua::MouseLeave()
{
    GraphicButton::MouseLeave();
    mouseDown_ = false;
    SetState(AquaState::Normal);
}

}  // namespace vx::widgets
