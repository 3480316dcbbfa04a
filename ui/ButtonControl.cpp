#include "ui/ButtonControl.h"

#include "ui/Accelerator.h"

namespace vx::ui {

void ButtonControl::SetDefault(bool isDefault)
{
    if (isDefault == default_)
        return;
    default_ = isDefault;
    Changed(Change::Style);
}

bool ButtonControl::DialogChar(char c)
{
    if (!IsAccelerator(c, Caption()))
        return false;
    Click();
    return true;
}

}  // namespace vx::ui
