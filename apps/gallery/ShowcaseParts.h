#pragma once
// Small controls that show the non-visual parts of the set on a window: a
// gradient tile, a line of three-dimensional text and a bubble hint as it would
// stand over the window.
#include <memory>
#include <string>

#include "ui/GraphicControl.h"
#include "widgets/AHMFont3D.h"
#include "widgets/AHMGradient.h"
#include "widgets/AHMNewHint.h"

namespace vx::widgets {

class GradientSwatch : public ui::GraphicControl {
public:
    using GraphicControl::GraphicControl;
    TAHMGradient& Gradient() { return gradient_; }

protected:
    void Paint(ui::Canvas& canvas) override;

private:
    TAHMGradient gradient_;
};

class Text3DSample : public ui::GraphicControl {
public:
    using GraphicControl::GraphicControl;
    TAHMFont3D& Font3D() { return font3d_; }

protected:
    void Paint(ui::Canvas& canvas) override;

private:
    TAHMFont3D font3d_;
};

// Draws the application's bubble hint for a text as if the pointer stood at the
// control's bottom-left corner.
class HintPreview : public ui::GraphicControl {
public:
    explicit HintPreview(ui::Control* parent);

protected:
    void Paint(ui::Canvas& canvas) override;

private:
    std::unique_ptr<TAHMNewHint> window_;
};

// An arrow glyph strip of four 16 x 16 cells (normal, pressed, pressed, disabled) on black.
ui::Bitmap MakeArrowGlyphStrip();

}  // namespace vx::widgets
