#include "ui/ButtonRole.h"

#include "ui/Form.h"

namespace vx::ui {

void ButtonRole::SetDefault(bool isDefault)
{
    if (isDefault == default_)
        return;
    default_ = isDefault;
    DefaultChanged();
}

void ButtonRole::ApplyModalResult(Control& button) const
{
    Form* form = button.OwningForm();
    if (form && modalResult_ != ModalResult::None)
        form->SetModalResult(modalResult_);
}

}  // namespace vx::ui
