#include "widgets/PlasmaRegion.h"

namespace vx::widgets {

namespace {

constexpr std::size_t CountSize = 4;

std::int32_t ReadInt32(std::span<const std::uint8_t> bytes)
{
    const std::uint32_t v = bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) | (std::uint32_t{bytes[3]} << 24);
    return static_cast<std::int32_t>(v);
}

void WriteInt32(std::vector<std::uint8_t>& out, std::int32_t value)
{
    const auto v = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>(v >> shift));
}

}  // namespace

std::size_t TPlasmaRegion::LoadData(std::span<const std::uint8_t> stream)
{
    region_.reset();
    if (stream.size() < CountSize)
        return stream.size();
    const std::int32_t n = ReadInt32(stream);
    if (n <= 0)
        return CountSize;
    const auto size = static_cast<std::size_t>(n);
    if (size > stream.size() - CountSize)
        return stream.size();
    region_ = ui::Region::FromRgnData(stream.subspan(CountSize, size));
    return CountSize + size;
}

std::vector<std::uint8_t> TPlasmaRegion::SaveData() const
{
    std::vector<std::uint8_t> out;
    const std::vector<std::uint8_t> data = region_ ? region_->ToRgnData() : std::vector<std::uint8_t>{};
    WriteInt32(out, static_cast<std::int32_t>(data.size()));
    out.insert(out.end(), data.begin(), data.end());
    return out;
}

}  // namespace vx::widgets
