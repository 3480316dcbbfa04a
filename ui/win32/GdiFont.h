#pragma once
// A GDI font for a logical font.
#include "ui/Font.h"
#include "ui/win32/GdiHandles.h"

namespace vx::ui::win32 {

FontHandle CreateFontHandle(const Font& font);

}  // namespace vx::ui::win32
