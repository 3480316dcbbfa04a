#pragma once
// Rect <-> RECT and the signed coordinates packed into mouse messages.
#include <windows.h>

#include "ui/Geometry.h"

namespace vx::ui::win32 {

inline RECT ToRECT(const Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }
inline Rect FromRECT(const RECT& r) { return Rect{r.left, r.top, r.right, r.bottom}; }

// Captured mouse positions left of or above the window are negative.
inline Point PointFromLParam(LPARAM lParam)
{
    return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

}  // namespace vx::ui::win32
