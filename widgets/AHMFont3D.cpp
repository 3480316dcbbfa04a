#include "widgets/AHMFont3D.h"

#include <utility>

#include "ui/Canvas.h"

namespace vx::widgets {

namespace {

struct TextPass {
    ui::Canvas& canvas;
    ui::TextFormat format;
    std::string_view text;
    ui::Rect r;

    void Draw(ui::Color color)
    {
        canvas.font.color = color;
        canvas.DrawText(r, text, format);
    }
    void Move(int d) { r.Offset(d, d); }
};

void DrawRepetitions(const TAHMFont3D& f, TextPass& pass)
{
    const int width = f.Repetitionwidth();
    pass.r.Inflate(-width, -width);
    const int start = f.Repetition() == TAHMRepeat::repeatOnHighLight ? -f.Offset() : f.Offset();
    const int step = f.Repetition() == TAHMRepeat::repeatOnHighLight ? 1 : -1;
    pass.Move(start);
    for (int i = 0; i < width; ++i) {
        pass.Draw(f.RepetitionColor());
        pass.Move(step);
    }
}

void DrawCopies(const TAHMFont3D& f, TextPass& pass)
{
    using enum TAHMStyle3D;
    const int o = f.Offset();
    if (f.Style3D() == fontOutLineShadow) {
        const ui::Rect home = pass.r;
        for (auto [dx, dy] : {std::pair{-1, -1}, {1, -1}, {1, 1}, {-1, 1}}) {
            pass.r = home.Offsetted(dx, dy);
            pass.Draw(f.Shadow());
        }
        pass.r = home;
        return;
    }
    const TAHMStyle3D s = f.Style3D();
    pass.Move(-o);
    if (s != fontOnlyShadow)
        pass.Draw(s == fontInset ? f.Shadow() : f.Highlight());
    pass.Move(2 * o);
    if (s != fontOnlyHighlight)
        pass.Draw(s == fontInset ? f.Highlight() : f.Shadow());
    pass.Move(-o);
}

}  // namespace

void DrawText3D(const TAHMFont3D& font3d, ui::Canvas& canvas, bool enabled, ui::TextFormat format,
                std::string_view text, ui::Rect r)
{
    const ui::Brush savedBrush = canvas.brush;
    const ui::Color front = canvas.font.color;
    canvas.brush.style = ui::BrushStyle::Clear;
    TextPass pass{canvas, format | ui::TextFormat::NoClip, text, r};
    if (!enabled) {
        pass.Draw(ui::clBtnHighlight);
        pass.Move(-1);
        pass.Draw(ui::clGrayText);
    } else {
        if (font3d.ThreeDimensional()) {
            if (font3d.Repetition() != TAHMRepeat::repeatNone)
                DrawRepetitions(font3d, pass);
            DrawCopies(font3d, pass);
        }
        pass.Draw(front);
    }
    canvas.font.color = front;
    canvas.brush = savedBrush;
}

}  // namespace vx::widgets
