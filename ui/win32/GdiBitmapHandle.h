#pragma once
// A device-dependent bitmap of a picture, for windows that show an HBITMAP.
#include "ui/Bitmap.h"
#include "ui/win32/GdiHandles.h"

namespace vx::ui::win32 {

BitmapHandle CreateDeviceBitmap(const Bitmap& picture);

}  // namespace vx::ui::win32
