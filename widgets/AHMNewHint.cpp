#include "widgets/AHMNewHint.h"

#include <array>

#include "ui/Application.h"
#include "ui/Canvas.h"
#include "widgets/AHMHint.h"
#include "widgets/ScreenCapture.h"

namespace vx::widgets {

using ui::Bitmap;
using ui::Canvas;
using ui::Point;
using ui::Rect;

namespace {

void Shape(Canvas& c, const Rect& r, bool rounded, int corner)
{
    if (rounded)
        c.RoundRect(r, corner, corner);
    else
        c.Rectangle(r);
}

}  // namespace

TAHMNewHint::TAHMNewHint()
{
    if (TAHMHint* owner = TAHMHint::Instance())
        SetFont(owner->HintFont());
}

void TAHMNewHint::ActivateHint(const Rect& screen, const std::string& hint)
{
    ui::Application& app = ui::Application::Current();
    ui::Backend& backend = app.GetBackend();
    const Point mouse = backend.CursorPos();
    TAHMHint* owner = TAHMHint::Instance();
    const TAHMDirection preferred = owner ? owner->StartDirection(app.Hints().HintedControl()) : TAHMDirection::dUpRight;
    ShowAt(mouse, backend.ScreenSize(), screen, hint, preferred);
}

void TAHMNewHint::Place(Point mouse, ui::Size screen, const Rect& textRect, const std::string& hint,
                        TAHMDirection preferred)
{
    SetCaption(hint);
    const ui::Size text{textRect.Width(), textRect.Height()};
    const HintPlacement placement = PlaceHint(mouse, text, screen, preferred);
    direction_ = placement.direction;
    const ui::Size size = BubbleSize(text, direction_);
    SetBounds(Rect::Bounds(placement.position.x, placement.position.y, size.cx, size.cy));
}

void TAHMNewHint::ShowAt(Point mouse, ui::Size screen, const Rect& textRect, const std::string& hint,
                         TAHMDirection preferred)
{
    Place(mouse, screen, textRect, hint, preferred);
    // The copy is taken before the window covers the screen.
    screenCopy_ = CaptureScreen(Bounds());
    Show();
    Invalidate();
}

void TAHMNewHint::Paint(Canvas& canvas)
{
    if (!TAHMHint::Instance()) {
        HintWindow::Paint(canvas);
        return;
    }
    Bitmap copy = screenCopy_;
    if (copy.Width() != Width() || copy.Height() != Height()) {
        copy = Bitmap(Width(), Height());
        copy.GetCanvas().CopyRect(ClientRect(), canvas, ClientRect());
    }
    canvas.Draw(0, 0, Render(copy));
}

Bitmap TAHMNewHint::Render(const Bitmap& screenCopy) const
{
    const TAHMHint& owner = *TAHMHint::Instance();
    const int W = Width(), H = Height();
    const bool up = IsUpward(direction_);
    Bitmap picture(W, H);
    picture.Fill(ui::ColorToRgb(ui::clInfoBk));
    if (owner.Background())
        owner.Background()->Draw(picture.GetCanvas(), W, H, true);
    Bitmap copy = screenCopy;
    if (owner.Shadow())
        DrawShadow(copy, owner);
    DrawOutline(copy.GetCanvas(), owner);
    Canvas& c = picture.GetCanvas();
    c.DrawTransparent(0, 0, copy, ui::ColorToRgb(owner.UnUsedHintColor()));
    const int o = owner.Font3D().Offset();
    // Right edge at the measured width, so the text wraps as CalcHintRect measured it.
    const Rect text{8 - o, 3 + (up ? 0 : 15) - o, W - 14, H};
    c.font = owner.HintFont();
    DrawText3D(owner.Font3D(), c, Enabled(), ui::TextFormat::WordBreak | ui::TextFormat::NoPrefix, Caption(), text);
    return picture;
}

void TAHMNewHint::DrawShadow(Bitmap& copy, const TAHMHint& owner) const
{
    const int W = Width(), H = Height();
    const bool up = IsUpward(direction_);
    // The shadow's shape, drawn as a stencil: black where dots may go.
    Bitmap stencil(W, H);
    Canvas& s = stencil.GetCanvas();
    s.pen = ui::Pen{ui::clBlack};
    s.brush = ui::Brush{ui::clBlack, ui::BrushStyle::Solid};
    Shape(s, up ? Rect{10, 8, W, H - 9} : Rect{10, 23, W, H - 2}, owner.Speechbubble(), 8);
    const ui::Color dot = ui::ColorToRgb(owner.HintShadowColor());
    auto dots = [&](int x0, int x1, int y0, int y1) {
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x)
                if ((x + y) % 2 == 0 && stencil.Pixel(x, y) == ui::clBlack)
                    copy.SetPixel(x, y, dot);
    };
    dots(W - 14, W, up ? 8 : 23, up ? H - 14 : H - 8);
    if (up)
        dots(10, W, H - 14, H - 9);
    else
        dots(10, W, H - 8, H - 2);
    if (up && owner.Speechbubble()) {
        stencil.Fill(ui::clWhite);
        const std::array<Point, 3> tri = direction_ == TAHMDirection::dUpRight
                                             ? std::array<Point, 3>{{{12, H - 15}, {25, H - 15}, {12, H}}}
                                             : std::array<Point, 3>{{{W - 33, H - 15}, {W - 11, H - 15}, {W - 6, H}}};
        s.Polygon(tri);
        dots(0, W, H - 15, H);
    }
}

void TAHMNewHint::DrawOutline(Canvas& c, const TAHMHint& owner) const
{
    const int W = Width(), H = Height();
    const bool up = IsUpward(direction_), bubble = owner.Speechbubble();
    const int t = up ? 0 : 15, e = up ? 14 : 8;
    const ui::Color key = ui::ColorToRgb(owner.UnUsedHintColor());
    c.brush = ui::Brush{key, ui::BrushStyle::Solid};
    c.pen = ui::Pen{ui::clBlack};
    Shape(c, {1, t, W - 6, H - e}, bubble, 9);
    c.pen = ui::Pen{ui::clWhite};
    Shape(c, {0, t, W - 7, H - e - 1}, bubble, 9);
    c.pen = ui::Pen{key};
    Shape(c, {1, t + 1, W - 7, H - e - 1}, bubble, 9);
    if (!bubble)
        return;
    Point a1, a2, a3;
    switch (direction_) {
    case TAHMDirection::dUpRight: a1 = {10, H - 15}, a2 = {20, H - 15}, a3 = {0, H}; break;
    case TAHMDirection::dUpLeft: a1 = {W - 26, H - 15}, a2 = {W - 16, H - 15}, a3 = {W - 6, H}; break;
    case TAHMDirection::dDownRight: a1 = {10, 15}, a2 = {20, 15}, a3 = {0, 0}; break;
    case TAHMDirection::dDownLeft: a1 = {W - 26, 15}, a2 = {W - 16, 15}, a3 = {W - 6, 0}; break;
    }
    c.MoveTo(a1);
    c.LineTo(a2);
    const std::array<Point, 3> tri{a1, a2, a3};
    c.Polygon(tri);
    c.pen = ui::Pen{ui::clBlack};
    c.MoveTo(a2);
    c.LineTo(a3);
    c.pen = ui::Pen{ui::clWhite};
    c.LineTo(a1);
}

}  // namespace vx::widgets
