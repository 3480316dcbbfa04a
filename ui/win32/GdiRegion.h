#pragma once
// Region <-> HRGN through RGNDATA (ExtCreateRegion / GetRegionData).
#include <windows.h>

#include <optional>

#include "ui/Region.h"
#include "ui/win32/GdiHandles.h"

namespace vx::ui::win32 {

// An empty region gives a valid, empty HRGN.
RegionHandle ToHrgn(const Region& region);
std::optional<Region> FromHrgn(HRGN region);

}  // namespace vx::ui::win32
