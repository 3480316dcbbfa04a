#pragma once
// The product's colours: graphite frames, a racing red, white work areas and the
// pale blue of the glossy buttons.
#include "apps/velocitrex/art/Raster.h"

namespace vx::art::palette {

constexpr Rgb Ink = Hex(0x07090D);          // outer edge of every window
constexpr Rgb FrameTop = Hex(0x30374A);
constexpr Rgb FrameBottom = Hex(0x12151C);
constexpr Rgb Header = Hex(0x1B1F28);       // flat: the glossy buttons up there read it
constexpr Rgb Footer = Hex(0x161920);       // flat, for the same reason
constexpr Rgb Inset = Hex(0x0C0E13);        // the well of the left button column
constexpr Rgb Rim = Hex(0x7A869E);          // highlight along the top edge
constexpr Rgb Steel = Hex(0x9AA6BC);        // quiet lettering on the frame
constexpr Rgb Chrome = Hex(0xF4F7FC);
constexpr Rgb ChromeShade = Hex(0xB9C3D3);

constexpr Rgb Red = Hex(0xBF0000);          // the apply screen's red
constexpr Rgb HotRed = Hex(0xFF2B1C);
constexpr Rgb DeepRed = Hex(0x5A0000);
constexpr Rgb Ember = Hex(0xFF8A3D);

constexpr Rgb Paper = Hex(0xFFFFFF);        // the white panels
constexpr Rgb PaperShade = Hex(0xE9EDF4);
constexpr Rgb Rule = Hex(0xD3D9E3);
constexpr Rgb Charcoal = Hex(0x1E222B);     // lettering on white
constexpr Rgb Slate = Hex(0x6A7385);

constexpr Rgb AquaBlue = Hex(0xA0B7F1);     // the glossy buttons' body colour
constexpr Rgb SignalBlue = Hex(0x3C6DE0);

}  // namespace vx::art::palette
