#include "ui/GroupBox.h"

#include "ui/Canvas.h"
#include "ui/Frame3D.h"

namespace vx::ui {

void GroupBox::Paint(Canvas& canvas)
{
    const Rect r = ClientRect();
    canvas.FillRect(r);
    const Size text = canvas.TextExtent(Caption().empty() ? "0" : Caption());
    DrawEdge(canvas, Rect{r.left, r.top + text.cy / 2, r.right, r.bottom}, Edge::Etched);
    if (Caption().empty())
        return;
    const Rect label = Rect::Bounds(8, 0, text.cx + 2, text.cy);
    canvas.FillRect(label);
    canvas.DrawText(label.Offsetted(1, 0), Caption(), TextFormat::Left | TextFormat::SingleLine | TextFormat::NoClip);
}

}  // namespace vx::ui
