#pragma once
// A windowless control that paints a test pattern with every kind of drawing
// call: a checkerboard, rings, a fan of lines, a polygon and a text.
#include "ui/GraphicControl.h"

namespace vx::ui {

class PatternBox : public GraphicControl {
public:
    using GraphicControl::GraphicControl;

protected:
    void Paint(Canvas& canvas) override;

private:
    void PaintChecks(Canvas& canvas);
    void PaintRings(Canvas& canvas, Point centre);
    void PaintFan(Canvas& canvas, Point centre);
};

}  // namespace vx::ui
