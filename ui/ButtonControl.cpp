#include "ui/ButtonControl.h"

#include "ui/Accelerator.h"

namespace vx::ui {

void ButtonControl::Click()
{
    ApplyModalResult(*this);
    NativeControl::Click();
}

bool ButtonControl::DialogChar(char c)
{
    if (!IsAccelerator(c, Caption()))
        return false;
    Click();
    return true;
}

}  // namespace vx::ui
