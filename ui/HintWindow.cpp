#include "ui/HintWindow.h"

#include "ui/Bitmap.h"
#include "ui/Canvas.h"

namespace vx::ui {

namespace {

constexpr TextFormat HintFormat = TextFormat::Left | TextFormat::WordBreak | TextFormat::NoPrefix;

}  // namespace

HintWindow::HintWindow() : Form(false)
{
    SetInputTransparent();
    SetBorderStyle(BorderStyle::None);
    SetColor(clInfoBk);
}

Rect HintWindow::CalcHintRect(int maxWidth, const std::string& hint)
{
    Bitmap scratch(1, 1);
    Canvas& canvas = scratch.GetCanvas();
    canvas.font = GetFont();
    Rect r{0, 0, maxWidth, 0};
    canvas.DrawText(r, hint, HintFormat | TextFormat::CalcRect);
    r.right += 6;
    r.bottom += 2;
    return r;
}

void HintWindow::ActivateHint(const Rect& screen, const std::string& hint)
{
    SetCaption(hint);
    SetBounds(screen);
    Show();
}

void HintWindow::Paint(Canvas& canvas)
{
    canvas.brush = Brush{GetColor(), BrushStyle::Solid};
    canvas.FillRect(ClientRect());
    canvas.brush = Brush{clBlack, BrushStyle::Solid};
    canvas.FrameRect(ClientRect());
    canvas.font.color = clInfoText;
    canvas.DrawText(ClientRect().Inflated(-2, -1), Caption(), HintFormat);
}

}  // namespace vx::ui
