#pragma once
// The pixel memory behind a Bitmap and the canvas that draws on it. The default is
// MemoryBitmapStorage (a plain buffer with the software renderer); the win32
// backend installs a factory for its lifetime (platform::ScopedService) that makes
// DIB sections with a GDI canvas, so programs draw text with the system's fonts.
#include <cstdint>
#include <memory>

namespace vx::ui {

class Canvas;

class BitmapStorage {
public:
    virtual ~BitmapStorage() = default;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    // Top-down rows of Width() pixels, each 0x00RRGGBB (the 32-bit DIB layout).
    // Call BeginDirectAccess first when the canvas may still be drawing.
    virtual std::uint32_t* Bits() = 0;
    virtual void BeginDirectAccess() = 0;
    // New size; the contents are undefined afterwards. The canvas stays the same object.
    virtual void Reallocate(int width, int height) = 0;
    virtual Canvas& GetCanvas() = 0;
};

class BitmapStorageFactory {
public:
    virtual ~BitmapStorageFactory() = default;
    virtual std::unique_ptr<BitmapStorage> Create(int width, int height) const = 0;
};

// Storage from the current factory.
std::unique_ptr<BitmapStorage> CreateBitmapStorage(int width, int height);

}  // namespace vx::ui
