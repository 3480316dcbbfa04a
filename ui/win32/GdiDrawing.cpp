#include "ui/win32/GdiDrawing.h"

#include <windows.h>

#include <memory>

#include "ui/win32/DibBitmapStorage.h"

namespace vx::ui::win32 {

Color GdiSystemColors::Get(SystemColor c) const
{
    return GetSysColor(static_cast<int>(c));
}

std::unique_ptr<BitmapStorage> DibStorageFactory::Create(int width, int height) const
{
    return std::make_unique<DibBitmapStorage>(width, height);
}

}  // namespace vx::ui::win32
