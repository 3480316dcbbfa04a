#pragma once
// The bevelled push button whose colours all come from a 16-step shade ramp of
// one base colour; the default button carries an extra octagonal ring.
#include "ui/OwnerDrawButton.h"
#include "widgets/ColorShading.h"

namespace vx::widgets {

// The colours of one drawing (outline, face, text, bevel top-left outer and
// inner, bottom-right inner and outer).
struct PushButtonColors {
    ui::Color outline, face, text, tlOuter, tlInner, brInner, brOuter;
    bool bevel;
};
PushButtonColors PushButtonColorsFor(const ShadeRamp& shade, bool enabled, bool pressed, ui::Color fontColor);

class TNvOS8PushButton : public ui::OwnerDrawButton {
public:
    explicit TNvOS8PushButton(ui::Control* parent = nullptr);

    ui::Color BaseColor() const { return baseColor_; }
    void SetBaseColor(ui::Color color);
    const ShadeRamp& Shades() const { return shade_; }

protected:
    void Paint(ui::Canvas& canvas) override;

private:
    void PaintDefaultRing(ui::Canvas& canvas, const PushButtonColors& colors, const ui::Rect& r) const;
    void PaintBevel(ui::Canvas& canvas, const PushButtonColors& colors, const ui::Rect& face) const;

    ui::Color baseColor_ = ui::Rgb(119, 119, 119);
    ShadeRamp shade_ = MakeShadeRamp(baseColor_);
};

}  // namespace vx::widgets
