#include "ui/Frame3D.h"

#include "ui/Canvas.h"

namespace vx::ui {

namespace {

void Ring(Canvas& canvas, const Rect& r, Color topLeft, Color bottomRight)
{
    canvas.pen = Pen{topLeft, 1, PenStyle::Solid};
    canvas.MoveTo(r.left, r.bottom - 1);
    canvas.LineTo(r.left, r.top);
    canvas.LineTo(r.right - 1, r.top);
    canvas.pen.color = bottomRight;
    canvas.LineTo(r.right - 1, r.bottom - 1);
    canvas.LineTo(r.left - 1, r.bottom - 1);
}

}  // namespace

void Frame3D(Canvas& canvas, Rect& r, Color topLeft, Color bottomRight, int width)
{
    for (int i = 0; i < width; ++i) {
        Ring(canvas, r, topLeft, bottomRight);
        r.Inflate(-1, -1);
    }
}

Rect DrawEdge(Canvas& canvas, const Rect& r, Edge edge)
{
    Rect inner = r;
    switch (edge) {
    case Edge::Raised:
        Frame3D(canvas, inner, clBtnHighlight, SysColorRef(SystemColor::DarkShadow3D), 1);
        Frame3D(canvas, inner, SysColorRef(SystemColor::Light3D), clBtnShadow, 1);
        break;
    case Edge::Sunken:
        Frame3D(canvas, inner, clBtnShadow, clBtnHighlight, 1);
        Frame3D(canvas, inner, SysColorRef(SystemColor::DarkShadow3D), SysColorRef(SystemColor::Light3D), 1);
        break;
    case Edge::Etched:
        Frame3D(canvas, inner, clBtnShadow, clBtnHighlight, 1);
        Frame3D(canvas, inner, clBtnHighlight, clBtnShadow, 1);
        break;
    }
    return inner;
}

}  // namespace vx::ui
