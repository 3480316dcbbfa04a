#include "ui/GraphicControl.h"

#include "ui/Canvas.h"

namespace vx::ui {

GraphicControl::GraphicControl(Control* parent) : Control(parent)
{
    SetClickOnRelease(true);
}

void GraphicControl::PaintOn(Canvas& canvas)
{
    canvas.font = GetFont();
    canvas.brush = Brush{GetColor(), BrushStyle::Solid};
    canvas.pen = Pen{};
    Paint(canvas);
}

void GraphicControl::Changed(Change)
{
    Invalidate();
}

}  // namespace vx::ui
