#include "ui/win32/GdiDrawing.h"

#include <windows.h>

#include <memory>

#include "ui/Color.h"
#include "ui/win32/DibBitmapStorage.h"

namespace vx::ui::win32 {

namespace {

Color GdiSysColor(SystemColor c)
{
    return GetSysColor(static_cast<int>(c));
}

std::unique_ptr<BitmapStorage> CreateDibStorage(int width, int height)
{
    return std::make_unique<DibBitmapStorage>(width, height);
}

}  // namespace

void InstallGdiDrawing()
{
    SetSysColorProvider(&GdiSysColor);
    SetBitmapStorageFactory(&CreateDibStorage);
}

void UninstallGdiDrawing()
{
    SetSysColorProvider(nullptr);
    SetBitmapStorageFactory(nullptr);
}

}  // namespace vx::ui::win32
