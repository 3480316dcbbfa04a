#include "ui/Edit.h"

namespace vx::ui {

Edit::Edit(Control* parent) : NativeControl(parent)
{
    SetColor(clWindow);
}

void Edit::SetText(std::string text)
{
    if (text == text_)
        return;
    text_ = std::move(text);
    Changed(Change::Text);
    if (OnChange)
        OnChange();
}

void Edit::SetReadOnly(bool readOnly)
{
    if (readOnly == readOnly_)
        return;
    readOnly_ = readOnly;
    Changed(Change::Style);
}

void Edit::NativeTextChanged(std::string text)
{
    if (text == text_ || readOnly_)
        return;
    text_ = std::move(text);
    if (OnChange)
        OnChange();
}

}  // namespace vx::ui
