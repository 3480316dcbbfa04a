#pragma once
// The product's mark: "VELOCITREX" in slanted chrome capitals with a red X,
// speed streaks before it and the "2K3" badge after it.
#include "apps/velocitrex/art/Raster.h"
#include "apps/velocitrex/art/StrokeFont.h"

namespace vx::art {

// The style of the word mark at a given capital height.
TextStyle WordmarkStyle(double capHeight);

// The word alone; its first stem meets the baseline at (x, baseline). The X is
// red unless the word stands on red.
void DrawWordmark(Raster& raster, double x, double baseline, double capHeight, bool redX);
// Its width from the first stem to the tip of the X.
double WordmarkWidth(double capHeight);

// The whole mark laid out in a box (any height from about 40 pixels; the width
// follows from the height), on whatever lies beneath.
void DrawLogo(Raster& raster, const Box& where);

// A round speedometer: the program's emblem and its icon. Small ones leave out
// the scale's ticks and the shadow, which would only blur at that size.
void DrawGauge(Raster& raster, double cx, double cy, double radius);

}  // namespace vx::art
