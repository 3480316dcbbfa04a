#pragma once
// A windowless container with an optional bevel and a centred caption.
#include "ui/GraphicControl.h"

namespace vx::ui {

enum class Bevel { None, Lowered, Raised };

class Panel : public GraphicControl {
public:
    using GraphicControl::GraphicControl;

    Bevel BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(Bevel bevel);
    Bevel BevelInner() const { return bevelInner_; }
    void SetBevelInner(Bevel bevel);

protected:
    void Paint(Canvas& canvas) override;

private:
    Bevel bevelOuter_ = Bevel::Raised;
    Bevel bevelInner_ = Bevel::None;
};

}  // namespace vx::ui
