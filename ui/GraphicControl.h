#pragma once
// A windowless control: its form paints it in z-order and the form's mouse router
// gives it its mouse events. The base of labels, panels, images and the skinned
// controls of the component set.
#include "ui/Control.h"

namespace vx::ui {

class Canvas;

class GraphicControl : public Control {
public:
    explicit GraphicControl(Control* parent = nullptr);

    // The canvas has its origin at the control's top-left corner, is clipped to
    // it and holds what lies beneath; font, brush (the control's colour) and pen
    // are set up before Paint runs.
    void PaintOn(Canvas& canvas);

    bool IsNative() const override { return false; }

protected:
    virtual void Paint(Canvas& canvas) = 0;
    void Changed(Change change) override;
};

}  // namespace vx::ui
