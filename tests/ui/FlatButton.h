#pragma once
// A windowless button, as the skinned ones are: a plain face with the focus mark.
#include "ui/Canvas.h"
#include "ui/GraphicButton.h"

namespace vx::ui {

class FlatButton : public GraphicButton {
public:
    using GraphicButton::GraphicButton;

protected:
    void Paint(Canvas& canvas) override
    {
        canvas.FillRect(ClientRect());
        PaintFocus(canvas, ClientRect().Inflated(-2, -2), clBlack);
    }
};

}  // namespace vx::ui
