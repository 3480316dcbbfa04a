#pragma once
// An off-screen 32-bit picture with its own canvas, like Delphi's TBitmap.
// The storage comes from the installed BitmapStorageFactory (see BitmapStorage.h).
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "ui/Color.h"
#include "ui/Geometry.h"

namespace vx::ui {

class Canvas;
class BitmapStorage;

class Bitmap {
public:
    Bitmap();
    // Filled with white, as a new Delphi bitmap's canvas is.
    Bitmap(int width, int height);
    ~Bitmap();
    Bitmap(Bitmap&&) noexcept;
    Bitmap& operator=(Bitmap&&) noexcept;
    Bitmap(const Bitmap& other);
    Bitmap& operator=(const Bitmap& other);

    int Width() const;
    int Height() const;
    Size GetSize() const { return {Width(), Height()}; }
    Rect Bounds() const { return {0, 0, Width(), Height()}; }
    bool Empty() const { return Width() == 0 || Height() == 0; }

    // Keeps the pixels that stay inside and fills new ones with white. The canvas
    // reference stays valid.
    void Resize(int width, int height);

    // Colours in the COLORREF layout; outside the picture Pixel gives InvalidColor
    // and SetPixel does nothing.
    Color Pixel(int x, int y) const;
    void SetPixel(int x, int y, Color c);
    void Fill(Color c);
    // Row y, Width() values of 0x00RRGGBB.
    std::uint32_t* Row(int y);
    const std::uint32_t* Row(int y) const;

    Canvas& GetCanvas();

    // Uncompressed BMPs of 1, 4, 8, 24 or 32 bits (bottom-up or top-down). On
    // failure the bitmap is unchanged and false comes back.
    bool LoadBmp(std::span<const std::uint8_t> bytes);
    bool LoadBmp(const std::string& path);
    // bitsPerPixel 24 or 32.
    std::vector<std::uint8_t> ToBmp(int bitsPerPixel = 24) const;
    bool SaveBmp(const std::string& path, int bitsPerPixel = 24) const;

    friend bool SamePixels(const Bitmap& a, const Bitmap& b);

private:
    std::uint32_t* Bits() const;
    std::unique_ptr<BitmapStorage> storage_;
};

// Pixel format helpers: COLORREF <-> 0x00RRGGBB.
constexpr std::uint32_t ColorToPixel(Color c)
{
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}
constexpr Color PixelToColor(std::uint32_t p)
{
    return ((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF);
}

}  // namespace vx::ui
