#include "ui/Panel.h"

#include "ui/Canvas.h"
#include "ui/Frame3D.h"

namespace vx::ui {

namespace {

void DrawBevel(Canvas& canvas, Rect& r, Bevel bevel)
{
    if (bevel == Bevel::Raised)
        Frame3D(canvas, r, clBtnHighlight, clBtnShadow, 1);
    else if (bevel == Bevel::Lowered)
        Frame3D(canvas, r, clBtnShadow, clBtnHighlight, 1);
}

}  // namespace

void Panel::SetBevelOuter(Bevel bevel)
{
    bevelOuter_ = bevel;
    Invalidate();
}

void Panel::SetBevelInner(Bevel bevel)
{
    bevelInner_ = bevel;
    Invalidate();
}

void Panel::Paint(Canvas& canvas)
{
    Rect r = ClientRect();
    const Color fill = canvas.brush.color;
    DrawBevel(canvas, r, bevelOuter_);
    DrawBevel(canvas, r, bevelInner_);
    canvas.brush = Brush{fill, BrushStyle::Solid};
    canvas.FillRect(r);
    canvas.DrawText(r, Caption(), TextFormat::Center | TextFormat::VCenter | TextFormat::SingleLine);
}

}  // namespace vx::ui
