#pragma once
// A small circular button filled with a background gradient, with a raised or
// sunken rim and an optional glyph in its centre.
#include "ui/GraphicButton.h"
#include "widgets/AHMBackground.h"
#include "widgets/AHMGlyph.h"

namespace vx::widgets {

enum class TAHMButtonType { btNormal, btInset };

class TAHMRoundButton : public ui::GraphicButton {
public:
    explicit TAHMRoundButton(ui::Control* parent = nullptr);

    TAHMButtonType ButtonType() const { return buttonType_; }
    void SetButtonType(TAHMButtonType type);
    TAHMGlyph& Glyph() { return glyph_; }
    ui::Color UnUsedColor() const { return unusedColor_; }
    void SetUnUsedColor(ui::Color c);
    TAHMBackground* Background() const { return background_.Get(); }
    void SetBackground(TAHMBackground* background) { background_.Set(background); }

    // Within the circle of radius W / 2 - 1 around the centre.
    bool Inside(int x, int y) const;
    bool IsPressed() const { return pressed_; }

protected:
    void Paint(ui::Canvas& canvas) override;
    void MouseDown(ui::MouseButton button, ui::ShiftState shift, ui::Point pos) override;
    void MouseMove(ui::ShiftState shift, ui::Point pos) override;
    void MouseUp(ui::MouseButton button, ui::ShiftState shift, ui::Point pos) override;

private:
    void SetPressed(bool pressed);
    void PaintRim(ui::Canvas& canvas) const;

    TAHMButtonType buttonType_ = TAHMButtonType::btNormal;
    TAHMGlyph glyph_;
    ui::Color unusedColor_ = ui::clLime;
    BackgroundLink background_{[this] { Invalidate(); }};
    bool pressed_ = false;
    bool tracking_ = false;
};

}  // namespace vx::widgets
