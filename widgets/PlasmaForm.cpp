#include "widgets/PlasmaForm.h"

#include <stdexcept>

#include "ui/Canvas.h"
#include "ui/Form.h"

namespace vx::widgets {

namespace {

ui::Control* RequireForm(ui::Control* parent)
{
    if (!dynamic_cast<ui::Form*>(parent))
        throw std::invalid_argument("Please Drop on a Form");
    return parent;
}

}  // namespace

TPlasmaForm::TPlasmaForm(ui::Control* parent) : GraphicControl(RequireForm(parent))
{
    ui::Form& form = Window();
    form.SetBorderStyle(ui::BorderStyle::None);
    FillWindow();
}

ui::Form& TPlasmaForm::Window() const
{
    return *static_cast<ui::Form*>(Parent());
}

void TPlasmaForm::FillWindow()
{
    SetBounds(Window().ClientRect());
}

void TPlasmaForm::SetPicture(ui::Bitmap picture)
{
    picture_ = std::move(picture);
    if (!picture_.Empty())
        Window().SetClientSize(picture_.Width(), picture_.Height());
    FillWindow();
    Invalidate();
}

void TPlasmaForm::ApplyMask()
{
    Window().SetWindowRegion(mask_.Region());
    Window().Invalidate();
}

void TPlasmaForm::Paint(ui::Canvas& canvas)
{
    if (!picture_.Empty())
        canvas.Draw(0, 0, picture_);
}

void TPlasmaForm::MouseDown(ui::MouseButton button, ui::ShiftState shift, ui::Point pos)
{
    pressedAt_ = pos;
    GraphicControl::MouseDown(button, shift, pos);
}

void TPlasmaForm::MouseMove(ui::ShiftState shift, ui::Point pos)
{
    GraphicControl::MouseMove(shift, pos);
    if (!moveable_ || shift != ui::ShiftState::Only(ui::MouseButton::Left))
        return;
    // The picture moves with the window, so the press point stays the reference.
    ui::Form& form = Window();
    form.SetBounds(form.Left() + pos.x - pressedAt_.x, form.Top() + pos.y - pressedAt_.y, form.Width(),
                   form.Height());
    form.Invalidate();
}

}  // namespace vx::widgets
