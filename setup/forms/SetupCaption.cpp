#include "setup/forms/SetupCaption.h"

#include "ui/Canvas.h"

namespace vx::setup {

SetupCaption::SetupCaption(ui::Control* parent) : GraphicControl(parent)
{
    ui::Font font;
    font.name = "Arial";
    font.height = -32;
    font.bold = true;
    font.italic = true;
    font.color = ui::clWhite;
    SetFont(font);
}

void SetupCaption::Paint(ui::Canvas& canvas)
{
    canvas.font = GetFont();
    canvas.brush.style = ui::BrushStyle::Clear;
    const auto layer = [&](int dx, int dy, ui::Color color) {
        canvas.font.color = color;
        canvas.TextOut(dx, dy, Caption());
    };
    layer(0, 0, ui::Rgb(0, 24, 56));      // the recess's shadowed upper edge
    layer(2, 2, ui::Rgb(96, 150, 210));   // its lit lower edge
    layer(1, 1, GetFont().color);
}

}  // namespace vx::setup
