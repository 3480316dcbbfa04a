#pragma once
// Switches the drawing layer to GDI for its lifetime: system colours from
// GetSysColor and bitmaps as DIB sections with GdiCanvas. The win32 backend holds
// one (and so do Windows tests); without it the portable defaults stay.
#include "platform/CurrentService.h"
#include "ui/BitmapStorage.h"
#include "ui/Color.h"

namespace vx::ui::win32 {

class GdiSystemColors : public SystemColors {
public:
    Color Get(SystemColor c) const override;
};

class DibStorageFactory : public BitmapStorageFactory {
public:
    std::unique_ptr<BitmapStorage> Create(int width, int height) const override;
};

class GdiDrawing {
public:
    GdiDrawing() = default;
    GdiDrawing(const GdiDrawing&) = delete;
    GdiDrawing& operator=(const GdiDrawing&) = delete;

private:
    GdiSystemColors colors_;
    DibStorageFactory bitmaps_;
    platform::ScopedService<SystemColors> useColors_{colors_};
    platform::ScopedService<BitmapStorageFactory> useBitmaps_{bitmaps_};
};

}  // namespace vx::ui::win32
