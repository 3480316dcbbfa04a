#pragma once
// Colour arithmetic shared by the skinned buttons: Delphi-style rounding, the
// 16-step shade ramp of the shaded push button, the aqua button's Shade and the
// fancy button's bevel ring colours.
#include <array>
#include <cstdint>

#include "ui/Color.h"

namespace vx::widgets {

// num / den rounded to the nearest integer, halves to even (Delphi's Round).
int RoundHalfEven(std::int64_t num, std::int64_t den);
int RoundHalfEven(double value);

// shade[i]: each channel of base plus 17 * i - 119, clamped; shade[7] is base.
using ShadeRamp = std::array<ui::Color, 16>;
ShadeRamp MakeShadeRamp(ui::Color base);

// k = 0..4 darker (15, 30, 45, 60, 6 %), 5 unchanged, 6..9 lighter (15..60 %).
ui::Color Shade(ui::Color color, int k);

// Ring i of rings bevel rings, from the frame colour outside to the button colour inside.
ui::Color BevelRingColor(ui::Color frame, ui::Color button, int ring, int rings);

}  // namespace vx::widgets
