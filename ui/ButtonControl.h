#pragma once
// What push buttons share: the default-button mark, the accelerator of the
// caption and the click the window system reports.
#include "ui/NativeControl.h"

namespace vx::ui {

class ButtonControl : public NativeControl {
public:
    using NativeControl::NativeControl;

    // The default button of its form (shown with a heavier frame).
    bool Default() const { return default_; }
    void SetDefault(bool isDefault);

    // Called by a backend: the user pressed and released the button.
    void NativeClick() { Click(); }

protected:
    bool DialogChar(char c) override;

private:
    bool default_ = false;
};

}  // namespace vx::ui
