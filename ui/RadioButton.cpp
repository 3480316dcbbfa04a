#include "ui/RadioButton.h"

#include "ui/Accelerator.h"

namespace vx::ui {

void RadioButton::SetChecked(bool checked)
{
    if (checked == checked_)
        return;
    checked_ = checked;
    Changed(Change::Checked);
    if (!checked)
        return;
    UncheckSiblings();
    Click();
}

void RadioButton::UncheckSiblings()
{
    if (!Parent())
        return;
    for (Control* sibling : Parent()->Children()) {
        auto* radio = dynamic_cast<RadioButton*>(sibling);
        if (radio && radio != this && radio->checked_) {
            radio->checked_ = false;
            radio->Changed(Change::Checked);
        }
    }
}

bool RadioButton::DialogChar(char c)
{
    if (!IsAccelerator(c, Caption()))
        return false;
    SetFocus();
    NativeClick();
    return true;
}

}  // namespace vx::ui
