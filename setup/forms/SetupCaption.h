#pragma once
// The backdrop's caption: white bold italic lettering pressed into the
// background, a dark edge above and to the left, a light one below and right.
#include "ui/GraphicControl.h"

namespace vx::setup {

class SetupCaption : public ui::GraphicControl {
public:
    explicit SetupCaption(ui::Control* parent = nullptr);

protected:
    void Paint(ui::Canvas& canvas) override;
};

}  // namespace vx::setup
