#include "ui/CheckBox.h"

#include "ui/Accelerator.h"

namespace vx::ui {

void CheckBox::SetChecked(bool checked)
{
    if (checked == checked_)
        return;
    checked_ = checked;
    Changed(Change::Checked);
    Click();
}

void CheckBox::SetPicture(std::optional<Bitmap> picture)
{
    picture_ = std::move(picture);
    Changed(Change::Picture);
}

bool CheckBox::DialogChar(char c)
{
    if (!IsAccelerator(c, Caption()))
        return false;
    SetFocus();
    NativeClick();
    return true;
}

void CheckBox::SetStyle(bool& flag, bool value)
{
    if (flag == value)
        return;
    flag = value;
    Changed(Change::Style);
}

}  // namespace vx::ui
