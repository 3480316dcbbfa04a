#pragma once
// A windowless container drawn as an etched frame with its caption in the top edge.
#include "ui/GraphicControl.h"

namespace vx::ui {

class GroupBox : public GraphicControl {
public:
    using GraphicControl::GraphicControl;

protected:
    void Paint(Canvas& canvas) override;
};

}  // namespace vx::ui
