#pragma once
// A windowless control that works as a push button: the base of the skinned
// buttons. It takes the focus (Tab, a press of the mouse), shows it with a
// dotted frame, clicks on Space and Enter while focused, and has the button role
// (default, cancel, modal result).
#include "ui/ButtonRole.h"
#include "ui/GraphicControl.h"

namespace vx::ui {

class GraphicButton : public GraphicControl, public ButtonRole {
public:
    explicit GraphicButton(Control* parent = nullptr);

protected:
    void Click() override;
    bool TakesFocus() const override { return true; }
    bool KeyDown(Key key, ShiftState shift) override;
    void FocusGained() override { Invalidate(); }
    void FocusLost() override { Invalidate(); }
    void DefaultChanged() override { Invalidate(); }
    // Paint calls it last: the dotted frame on r while the button shows the focus.
    void PaintFocus(Canvas& canvas, const Rect& r, Color color) const;
};

}  // namespace vx::ui
