// RGNDATA: RGNDATAHEADER {dwSize, iType, nCount, nRgnSize, rcBound} then nCount RECTs,
// all little-endian 32-bit values.
#include <cstring>

#include "ui/Region.h"

namespace vx::ui {

namespace {

constexpr std::uint32_t HeaderSize = 32;
constexpr std::uint32_t RectanglesType = 1;
constexpr std::uint32_t RectSize = 16;

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

void PutRect(std::vector<std::uint8_t>& out, const Rect& r)
{
    for (int v : {r.left, r.top, r.right, r.bottom})
        PutU32(out, static_cast<std::uint32_t>(v));
}

std::uint32_t GetU32(std::span<const std::uint8_t> bytes, size_t at)
{
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | bytes[at + static_cast<size_t>(i)];
    return v;
}

Rect GetRect(std::span<const std::uint8_t> bytes, size_t at)
{
    auto get = [&](size_t i) { return static_cast<int>(GetU32(bytes, at + 4 * i)); };
    return {get(0), get(1), get(2), get(3)};
}

}  // namespace

std::vector<std::uint8_t> Region::ToRgnData() const
{
    std::vector<std::uint8_t> out;
    const auto count = static_cast<std::uint32_t>(rects_.size());
    out.reserve(HeaderSize + RectSize * count);
    PutU32(out, HeaderSize);
    PutU32(out, RectanglesType);
    PutU32(out, count);
    PutU32(out, RectSize * count);
    PutRect(out, Bounds());
    for (const Rect& r : rects_)
        PutRect(out, r);
    return out;
}

std::optional<Region> Region::FromRgnData(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() < HeaderSize)
        return std::nullopt;
    const std::uint32_t headerSize = GetU32(bytes, 0);
    const std::uint32_t type = GetU32(bytes, 4);
    const std::uint32_t count = GetU32(bytes, 8);
    if (headerSize != HeaderSize || type != RectanglesType)
        return std::nullopt;
    // Compare in 64 bits so a huge count cannot wrap around.
    const std::uint64_t needed = HeaderSize + static_cast<std::uint64_t>(RectSize) * count;
    if (needed > bytes.size())
        return std::nullopt;
    std::vector<Rect> rects;
    rects.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i)
        rects.push_back(GetRect(bytes, HeaderSize + RectSize * i));
    return FromRectangles(rects, MaxRgnDataPieces);
}

}  // namespace vx::ui
