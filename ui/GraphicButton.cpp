#include "ui/GraphicButton.h"

#include "ui/FocusMark.h"
#include "ui/Form.h"

namespace vx::ui {

GraphicButton::GraphicButton(Control* parent) : GraphicControl(parent)
{
    SetTabStop(true);
}

void GraphicButton::Click()
{
    ApplyModalResult(*this);
    GraphicControl::Click();
}

bool GraphicButton::KeyDown(Key key, ShiftState)
{
    if (key != Key::Space && key != Key::Enter)
        return false;
    Click();
    return true;
}

void GraphicButton::PaintFocus(Canvas& canvas, const Rect& r, Color color) const
{
    if (ShowsFocus())
        DrawFocusMark(canvas, r, color);
}

}  // namespace vx::ui
