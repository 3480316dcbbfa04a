// Region data and BMP files, the artwork formats the windows read. The first
// byte chooses which.
#include <cstdint>
#include <span>
#include <vector>

#include "tests/fuzz/FuzzCheck.h"
#include "ui/BmpCodec.h"
#include "ui/Region.h"

namespace {

void RegionData(std::span<const uint8_t> bytes)
{
    using vx::fuzz::Check;
    const std::optional<vx::ui::Region> region = vx::ui::Region::FromRgnData(bytes);
    if (!region)
        return;
    Check(region->Rectangles().size() <= vx::ui::Region::MaxRgnDataPieces, "more rectangles than the bound");
    const std::optional<vx::ui::Region> again = vx::ui::Region::FromRgnData(region->ToRgnData());
    Check(again && *again == *region, "a region's own data does not load back to it");
    const std::vector<vx::ui::Rect>& rects = region->Rectangles();
    for (size_t i = 0; i < rects.size(); ++i) {
        Check(!rects[i].IsEmpty(), "an empty rectangle in a region");
        // A hit test walks every rectangle: a few of them are enough here.
        if (i < 16 || i + 1 == rects.size())
            Check(region->Contains({rects[i].left, rects[i].top}), "a region does not hold its own rectangle");
    }
}

void Bmp(std::span<const uint8_t> bytes)
{
    using vx::fuzz::Check;
    const std::optional<vx::ui::DecodedBmp> bmp = vx::ui::DecodeBmp(bytes);
    if (!bmp)
        return;
    Check(bmp->width > 0 && bmp->height > 0, "a picture without pixels");
    Check(bmp->pixels.size() == static_cast<size_t>(bmp->width) * static_cast<size_t>(bmp->height),
          "pixels and size disagree");
    const std::vector<uint8_t> saved = vx::ui::EncodeBmp(bmp->width, bmp->height, bmp->pixels.data(), 24);
    const std::optional<vx::ui::DecodedBmp> again = vx::ui::DecodeBmp(saved);
    Check(again && again->pixels == bmp->pixels, "a saved picture does not load back");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const std::span<const uint8_t> rest(data + 1, size - 1);
    if (data[0] % 2 == 0)
        RegionData(rest);
    else
        Bmp(rest);
    return 0;
}
