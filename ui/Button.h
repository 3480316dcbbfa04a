#pragma once
// A standard push button.
#include "ui/ButtonControl.h"

namespace vx::ui {

class Button : public ButtonControl {
public:
    using ButtonControl::ButtonControl;
    NativeKind Kind() const override { return NativeKind::PushButton; }
};

}  // namespace vx::ui
