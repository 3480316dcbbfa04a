#include "ui/Bitmap.h"

#include <algorithm>
#include <cstring>

#include "platform/FileSystem.h"
#include "ui/BitmapStorage.h"
#include "ui/BmpCodec.h"
#include "ui/Canvas.h"

namespace vx::ui {

namespace {

constexpr std::uint32_t WhitePixel = 0xFFFFFF;

}  // namespace

Bitmap::Bitmap() : storage_(CreateBitmapStorage(0, 0)) {}

Bitmap::Bitmap(int width, int height) : storage_(CreateBitmapStorage(width, height))
{
    Fill(clWhite);
}

Bitmap::~Bitmap() = default;
// A moved-from picture stays usable: it swaps in the other's storage.
Bitmap::Bitmap(Bitmap&& other) noexcept : Bitmap()
{
    storage_.swap(other.storage_);
}

Bitmap& Bitmap::operator=(Bitmap&& other) noexcept
{
    storage_.swap(other.storage_);
    return *this;
}

Bitmap::Bitmap(const Bitmap& other) : storage_(CreateBitmapStorage(other.Width(), other.Height()))
{
    if (!Empty())
        std::memcpy(Bits(), other.Bits(), sizeof(std::uint32_t) * static_cast<size_t>(Width()) * static_cast<size_t>(Height()));
}

Bitmap& Bitmap::operator=(const Bitmap& other)
{
    if (this != &other) {
        storage_->Reallocate(other.Width(), other.Height());
        if (!Empty())
            std::memcpy(Bits(), other.Bits(),
                        sizeof(std::uint32_t) * static_cast<size_t>(Width()) * static_cast<size_t>(Height()));
    }
    return *this;
}

int Bitmap::Width() const { return storage_->Width(); }
int Bitmap::Height() const { return storage_->Height(); }

std::uint32_t* Bitmap::Bits() const
{
    storage_->BeginDirectAccess();
    return storage_->Bits();
}

void Bitmap::Resize(int width, int height)
{
    if (width == Width() && height == Height())
        return;
    const int oldWidth = Width();
    const int oldHeight = Height();
    std::vector<std::uint32_t> old;
    if (!Empty())
        old.assign(Bits(), Bits() + static_cast<size_t>(oldWidth) * static_cast<size_t>(oldHeight));
    storage_->Reallocate(width, height);
    if (Empty())
        return;
    std::uint32_t* bits = Bits();
    std::fill(bits, bits + static_cast<size_t>(Width()) * static_cast<size_t>(Height()), WhitePixel);
    const int keepWidth = std::min(oldWidth, Width());
    for (int y = 0; y < std::min(oldHeight, Height()); ++y)
        std::copy_n(old.data() + static_cast<size_t>(y) * static_cast<size_t>(oldWidth), keepWidth, Row(y));
}

Color Bitmap::Pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= Width() || y >= Height())
        return InvalidColor;
    return PixelToColor(Row(y)[x]);
}

void Bitmap::SetPixel(int x, int y, Color c)
{
    if (x < 0 || y < 0 || x >= Width() || y >= Height())
        return;
    Row(y)[x] = ColorToPixel(ColorToRgb(c));
}

void Bitmap::Fill(Color c)
{
    if (Empty())
        return;
    std::uint32_t* bits = Bits();
    std::fill(bits, bits + static_cast<size_t>(Width()) * static_cast<size_t>(Height()), ColorToPixel(ColorToRgb(c)));
}

std::uint32_t* Bitmap::Row(int y)
{
    return Bits() + static_cast<size_t>(y) * static_cast<size_t>(Width());
}

const std::uint32_t* Bitmap::Row(int y) const
{
    return Bits() + static_cast<size_t>(y) * static_cast<size_t>(Width());
}

Canvas& Bitmap::GetCanvas() { return storage_->GetCanvas(); }

bool Bitmap::LoadBmp(std::span<const std::uint8_t> bytes)
{
    std::optional<DecodedBmp> decoded = DecodeBmp(bytes);
    if (!decoded)
        return false;
    storage_->Reallocate(decoded->width, decoded->height);
    if (!Empty())
        std::copy(decoded->pixels.begin(), decoded->pixels.end(), Bits());
    return true;
}

bool Bitmap::LoadBmp(const std::string& path)
{
    const std::optional<std::string> bytes = platform::Files().ReadAll(path);
    if (!bytes)
        return false;
    return LoadBmp(std::span(reinterpret_cast<const std::uint8_t*>(bytes->data()), bytes->size()));
}

std::vector<std::uint8_t> Bitmap::ToBmp(int bitsPerPixel) const
{
    return EncodeBmp(Width(), Height(), Empty() ? nullptr : Bits(), bitsPerPixel);
}

bool Bitmap::SaveBmp(const std::string& path, int bitsPerPixel) const
{
    if (bitsPerPixel != 24 && bitsPerPixel != 32)
        return false;
    const std::vector<std::uint8_t> bytes = ToBmp(bitsPerPixel);
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return !platform::WriteFileSafely(path, text);
}

bool SamePixels(const Bitmap& a, const Bitmap& b)
{
    if (a.Width() != b.Width() || a.Height() != b.Height())
        return false;
    if (a.Empty())
        return true;
    return std::equal(a.Bits(), a.Bits() + static_cast<size_t>(a.Width()) * static_cast<size_t>(a.Height()), b.Bits());
}

}  // namespace vx::ui
