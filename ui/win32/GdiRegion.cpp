#include "ui/win32/GdiRegion.h"

#include <vector>

namespace vx::ui::win32 {

RegionHandle ToHrgn(const Region& region)
{
    if (region.IsEmpty())
        return RegionHandle(CreateRectRgn(0, 0, 0, 0));
    const std::vector<std::uint8_t> data = region.ToRgnData();
    return RegionHandle(
        ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()), reinterpret_cast<const RGNDATA*>(data.data())));
}

std::optional<Region> FromHrgn(HRGN region)
{
    const DWORD size = GetRegionData(region, 0, nullptr);
    if (size == 0)
        return std::nullopt;
    std::vector<std::uint8_t> data(size);
    if (GetRegionData(region, size, reinterpret_cast<RGNDATA*>(data.data())) == 0)
        return std::nullopt;
    return Region::FromRgnData(data);
}

}  // namespace vx::ui::win32
