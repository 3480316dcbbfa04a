#pragma once
// A radio button. Checking one unchecks the radio buttons that share its parent.
// Its click event runs when it becomes checked, by the user or by program code,
// and not when it is checked already; unchecking runs nothing.
#include "ui/NativeControl.h"

namespace vx::ui {

class RadioButton : public NativeControl {
public:
    using NativeControl::NativeControl;
    NativeKind Kind() const override { return NativeKind::RadioButton; }

    bool Checked() const { return checked_; }
    void SetChecked(bool checked);

    // Called by a backend: the user clicked the button.
    void NativeClick() { SetChecked(true); }

protected:
    bool DialogChar(char c) override;

private:
    void UncheckSiblings();

    bool checked_ = false;
};

}  // namespace vx::ui
