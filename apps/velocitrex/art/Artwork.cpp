#include "apps/velocitrex/art/Artwork.h"

#include <algorithm>

#include "apps/velocitrex/art/Outlines.h"
#include "apps/velocitrex/art/Pictures.h"

namespace vx::art {
namespace {

template <class Shape>
ui::Region RegionOf(const Shape& outline, int width, int height)
{
    std::vector<ui::Rect> rows;
    for (const RowSpan& span : InsidePixels(outline, width, height))
        rows.push_back({span.left, span.y, span.right, span.y + 1});
    return ui::Region::FromRectangles(rows);
}

}  // namespace

ui::Bitmap ToBitmap(const Raster& raster)
{
    ui::Bitmap bitmap(raster.Width(), raster.Height());
    const std::vector<std::uint32_t> pixels = raster.Pixels();
    for (int y = 0; y < raster.Height(); ++y) {
        std::uint32_t* row = bitmap.Row(y);
        for (int x = 0; x < raster.Width(); ++x)
            row[x] = pixels[static_cast<std::size_t>(y * raster.Width() + x)];
    }
    return bitmap;
}

ui::Bitmap MainWindowBitmap() { return ToBitmap(MainWindowPicture()); }
ui::Bitmap LogoBitmap() { return ToBitmap(LogoPicture()); }
ui::Bitmap AutomaticPageBitmap() { return ToBitmap(AutomaticPagePicture()); }
ui::Bitmap AdvancedPageBitmap() { return ToBitmap(AdvancedPagePicture()); }
ui::Bitmap StartPanelBitmap() { return ToBitmap(StartPanelPicture()); }
ui::Bitmap ConnectionHeadingBitmap() { return ToBitmap(ConnectionHeadingPicture()); }
ui::Bitmap MethodHeadingBitmap() { return ToBitmap(MethodHeadingPicture()); }
ui::Bitmap ApplyScreenBitmap() { return ToBitmap(ApplyScreenPicture()); }
ui::Bitmap BarLeftBitmap() { return ToBitmap(BarLeftPicture()); }
ui::Bitmap BarSegmentBitmap() { return ToBitmap(BarSegmentPicture()); }
ui::Bitmap BarCapBitmap() { return ToBitmap(BarCapPicture()); }
ui::Bitmap AboutBoxBitmap() { return ToBitmap(AboutBoxPicture()); }

ui::Bitmap TrayIconBitmap()
{
    const Raster icon = IconPicture(16);
    ui::Bitmap bitmap = ToBitmap(icon);
    // The icon's mask is one bit: half-covered edge pixels stay, the rest is key.
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            if (icon.Alpha(x, y) < 0.5f)
                bitmap.SetPixel(x, y, TrayIconKey);
    return bitmap;
}

ui::Region WizardRegion()
{
    return RegionOf(WizardOutline(), layout::wizard::Width, layout::wizard::Height);
}

ui::Region ApplyScreenRegion()
{
    return RegionOf(ApplyScreenOutline(), layout::apply::Width, layout::apply::Height);
}

ui::Region AboutBoxRegion()
{
    return RegionOf(AboutBoxOutline(), layout::about::Width, layout::about::Height);
}

std::vector<std::uint8_t> MaskData(const ui::Region& region)
{
    const std::vector<std::uint8_t> data = region.ToRgnData();
    const auto n = static_cast<std::uint32_t>(data.size());
    std::vector<std::uint8_t> record(4 + data.size());
    for (int i = 0; i < 4; ++i)
        record[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(n >> (8 * i));
    std::copy(data.begin(), data.end(), record.begin() + 4);
    return record;
}

}  // namespace vx::art
