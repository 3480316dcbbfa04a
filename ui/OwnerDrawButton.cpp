#include "ui/OwnerDrawButton.h"

#include "ui/Canvas.h"

namespace vx::ui {

void OwnerDrawButton::PaintButton(Canvas& canvas)
{
    canvas.font = GetFont();
    canvas.brush = Brush{GetColor(), BrushStyle::Solid};
    canvas.pen = Pen{};
    Paint(canvas);
}

void OwnerDrawButton::NativePressed(bool pressed)
{
    if (pressed == pressed_)
        return;
    pressed_ = pressed;
    Changed(Change::Appearance);
}

}  // namespace vx::ui
