#include "widgets/NvOS8PushButton.h"

#include <initializer_list>

#include "ui/Canvas.h"
#include "ui/FocusMark.h"

namespace vx::widgets {

using ui::Canvas;
using ui::Color;
using ui::Point;
using ui::Rect;

namespace {

void Lines(Canvas& canvas, Color color, std::initializer_list<Point> points)
{
    canvas.pen = ui::Pen{color};
    const Point* p = points.begin();
    canvas.MoveTo(*p);
    for (++p; p != points.end(); ++p)
        canvas.LineTo(*p);
}

void Dots(Canvas& canvas, Color color, std::initializer_list<Point> points)
{
    for (Point p : points)
        canvas.SetPixel(p.x, p.y, color);
}

}  // namespace

PushButtonColors PushButtonColorsFor(const ShadeRamp& s, bool enabled, bool pressed, Color fontColor)
{
    if (!enabled)
        return {s[8], s[13], s[8], s[8], s[8], s[8], s[8], false};
    if (pressed)
        return {s[0], s[6], s[15], s[4], s[5], s[7], s[8], true};
    return {s[0], s[13], fontColor, s[13], s[15], s[10], s[7], true};
}

TNvOS8PushButton::TNvOS8PushButton(ui::Control* parent) : OwnerDrawButton(parent)
{
    SetBounds(0, 0, 64, 26);
    ui::Font font = GetFont();
    font.bold = true;
    SetFont(font);
}

void TNvOS8PushButton::SetBaseColor(Color color)
{
    baseColor_ = color;
    shade_ = MakeShadeRamp(color);
    Repaint();
}

void TNvOS8PushButton::Paint(Canvas& canvas)
{
    const PushButtonColors colors = PushButtonColorsFor(shade_, Enabled(), Pressed(), GetFont().color);
    const Rect r = ClientRect();
    canvas.brush = ui::Brush{Parent() ? Parent()->GetColor() : ui::clBtnFace, ui::BrushStyle::Solid};
    canvas.FillRect(r);
    if (Default())
        PaintDefaultRing(canvas, colors, r);
    const Rect face = r.Inflated(-3, -3);
    canvas.pen = ui::Pen{colors.outline};
    canvas.brush = ui::Brush{colors.face, ui::BrushStyle::Solid};
    canvas.RoundRect(face, 5, 5);
    if (colors.bevel)
        PaintBevel(canvas, colors, face);
    Rect text{face.left + 8, face.top + 4 - 1, face.right - 8, face.bottom - 4};
    canvas.brush.style = ui::BrushStyle::Clear;
    canvas.font.color = colors.text;
    canvas.DrawText(text, Caption(), ui::TextFormat::SingleLine | ui::TextFormat::Center | ui::TextFormat::VCenter);
    if (ShowsFocus())
        ui::DrawFocusMark(canvas, face.Inflated(-4, -4), colors.text);
}

void TNvOS8PushButton::PaintDefaultRing(Canvas& c, const PushButtonColors& colors, const Rect& rc) const
{
    const int L = rc.left, T = rc.top, R = rc.right, B = rc.bottom;
    Lines(c, colors.outline, {{L + 3, T}, {R - 4, T}, {R - 1, T + 3}, {R - 1, B - 4}, {R - 4, B - 1}, {L + 3, B - 1},
                              {L, B - 4}, {L, T + 3}, {L + 3, T}});
    if (!Enabled())
        return;
    const ShadeRamp& s = shade_;
    Lines(c, s[13], {{L + 1, B - 5}, {L + 1, T + 3}, {L + 3, T + 1}, {R - 4, T + 1}});
    Lines(c, s[13], {{L + 2, T + 3}, {L + 4, T + 2}});
    Lines(c, s[10], {{L + 4, T + 2}, {R - 4, T + 2}, {R - 3, T + 3}, {R - 3, B - 5}, {R - 5, B - 3}, {L + 3, B - 3},
                     {L + 2, B - 4}, {L + 2, T + 4}, {L + 4, T + 2}});
    Lines(c, s[7], {{L + 4, B - 2}, {R - 4, B - 2}, {R - 2, B - 4}, {R - 2, T + 3}});
    Dots(c, s[7], {{L + 4, T + 3}, {L + 3, T + 4}, {R - 5, T + 3}, {R - 4, T + 4}, {R - 5, B - 4}, {R - 4, B - 5},
                   {L + 4, B - 4}, {L + 3, B - 5}});
    Dots(c, s[12], {{L + 1, B - 4}, {R - 4, T + 1}});
    Dots(c, s[11], {{L + 2, B - 3}, {R - 3, T + 2}});
    Dots(c, s[8], {{L + 3, B - 2}, {R - 2, T + 3}, {R - 3, B - 4}, {R - 4, B - 3}});
}

void TNvOS8PushButton::PaintBevel(Canvas& c, const PushButtonColors& k, const Rect& f) const
{
    const int l = f.left, t = f.top, r = f.right, b = f.bottom;
    Lines(c, k.tlOuter, {{l + 1, b - 3}, {l + 1, t + 1}});
    Lines(c, k.tlOuter, {{l + 2, t + 1}, {r - 2, t + 1}});
    Lines(c, k.tlInner, {{l + 2, b - 4}, {l + 2, t + 2}, {r - 3, t + 2}});
    Lines(c, k.brInner, {{l + 3, b - 3}, {r - 3, b - 3}, {r - 3, t + 2}});
    Lines(c, k.brOuter, {{l + 3, b - 2}, {r - 2, b - 2}});
    Lines(c, k.brOuter, {{r - 2, b - 3}, {r - 2, t + 2}});
    if (Pressed()) {
        Dots(c, k.tlOuter, {{l + 2, t + 2}});
        Dots(c, k.tlInner, {{l + 3, t + 3}});
        Dots(c, k.brInner, {{l + 2, b - 2}, {r - 2, t + 2}, {r - 4, b - 4}});
        Dots(c, k.brOuter, {{r - 3, b - 3}});
        return;
    }
    Dots(c, shade_[11], {{l + 1, t + 2}, {l + 2, t + 1}, {l + 1, b - 3}, {l + 2, b - 2}, {r - 3, t + 1}, {r - 2, t + 2}});
    Dots(c, k.tlInner, {{l + 3, t + 3}});
    Dots(c, k.brInner, {{r - 4, b - 4}});
    Dots(c, k.brOuter, {{r - 3, b - 3}});
}

}  // namespace vx::widgets
