#include "apps/gallery/ShowcaseParts.h"

#include <array>

#include "ui/Bitmap.h"
#include "ui/Canvas.h"
#include "widgets/AHMHint.h"

namespace vx::widgets {

void GradientSwatch::Paint(ui::Canvas& canvas)
{
    gradient_.DrawGradient(canvas, Width(), Height(), true);
    canvas.brush = ui::Brush{ui::clBlack, ui::BrushStyle::Solid};
    canvas.FrameRect(ClientRect());
}

void Text3DSample::Paint(ui::Canvas& canvas)
{
    DrawText3D(font3d_, canvas, Enabled(), ui::TextFormat::SingleLine | ui::TextFormat::VCenter, Caption(),
               ClientRect());
}

HintPreview::HintPreview(ui::Control* parent) : GraphicControl(parent), window_(std::make_unique<TAHMNewHint>()) {}

void HintPreview::Paint(ui::Canvas& canvas)
{
    if (!TAHMHint::Instance())
        return;
    const ui::Rect text = window_->CalcHintRect(Width() - 40, Caption());
    window_->Place({4, Height()}, {Width(), Height()}, text, Caption(), TAHMDirection::dUpRight);
    const ui::Rect at = window_->Bounds();
    ui::Bitmap under(at.Width(), at.Height());
    under.GetCanvas().CopyRect(under.Bounds(), canvas, at);
    canvas.Draw(at.left, at.top, window_->Render(under));
}

ui::Bitmap MakeArrowGlyphStrip()
{
    ui::Bitmap strip(64, 16);
    strip.Fill(ui::clBlack);
    ui::Canvas& c = strip.GetCanvas();
    const std::array<ui::Color, 4> colors = {ui::Rgb(20, 40, 120), ui::Rgb(200, 90, 0), ui::Rgb(200, 90, 0),
                                             ui::Rgb(20, 40, 120)};
    for (int cell = 0; cell < 4; ++cell) {
        const int x = cell * 16;
        const std::array<ui::Point, 7> arrow{{{x + 4, 5}, {x + 8, 5}, {x + 8, 2}, {x + 14, 8}, {x + 8, 14}, {x + 8, 11}, {x + 4, 11}}};
        c.pen = ui::Pen{colors[static_cast<std::size_t>(cell)]};
        c.brush = ui::Brush{colors[static_cast<std::size_t>(cell)], ui::BrushStyle::Solid};
        c.Polygon(arrow);
    }
    return strip;
}

}  // namespace vx::widgets
