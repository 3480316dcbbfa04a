#include "ui/win32/GdiFont.h"

namespace vx::ui::win32 {

FontHandle CreateFontHandle(const Font& font)
{
    return FontHandle(CreateFontA(font.height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, font.italic,
                                  font.underline, font.strikeOut, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                                  font.name.c_str()));
}

}  // namespace vx::ui::win32
