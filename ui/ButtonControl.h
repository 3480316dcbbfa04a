#pragma once
// What push buttons share: the button role (default, cancel, modal result), the
// accelerator of the caption and the click the window system reports.
#include "ui/ButtonRole.h"
#include "ui/NativeControl.h"

namespace vx::ui {

class ButtonControl : public NativeControl, public ButtonRole {
public:
    using NativeControl::NativeControl;

    // Called by a backend: the user pressed and released the button.
    void NativeClick() { Click(); }

protected:
    void Click() override;
    bool DialogChar(char c) override;
    // The default button is shown with a heavier frame.
    void DefaultChanged() override { Changed(Change::Style); }
    // Owner-drawn buttons show the focus themselves.
    void FocusGained() override { Invalidate(); }
    void FocusLost() override { Invalidate(); }
};

}  // namespace vx::ui
