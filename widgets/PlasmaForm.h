#pragma once
// The picture that makes a whole borderless window: it fills the window, gives
// the window its outline (Mask) and moves the window while dragged with the left
// button.
#include "ui/Bitmap.h"
#include "ui/GraphicControl.h"
#include "widgets/PlasmaRegion.h"

namespace vx::ui {
class Form;
}

namespace vx::widgets {

class TPlasmaForm : public ui::GraphicControl {
public:
    // Throws std::invalid_argument "Please Drop on a Form" unless parent is a form.
    explicit TPlasmaForm(ui::Control* parent);

    TPlasmaRegion& Mask() { return mask_; }
    const TPlasmaRegion& Mask() const { return mask_; }
    bool Moveable() const { return moveable_; }
    void SetMoveable(bool moveable) { moveable_ = moveable; }

    const ui::Bitmap& Picture() const { return picture_; }
    // A non-empty picture sets the window's client size to its own.
    void SetPicture(ui::Bitmap picture);

    // After the window is loaded: the window takes the mask as its outline.
    void Loaded() { ApplyMask(); }
    void ApplyMask();

protected:
    void Paint(ui::Canvas& canvas) override;
    void MouseDown(ui::MouseButton button, ui::ShiftState shift, ui::Point pos) override;
    void MouseMove(ui::ShiftState shift, ui::Point pos) override;

private:
    ui::Form& Window() const;
    void FillWindow();

    TPlasmaRegion mask_;
    bool moveable_ = true;
    ui::Bitmap picture_;
    ui::Point pressedAt_;
};

}  // namespace vx::widgets
