#pragma once
// A Windows icon file (.ico) from pictures with transparency: each size once with
// 256 colours and a one-bit mask, which every Windows since 95 shows, and once in
// 32 bits with its alpha channel for Windows XP.
#include <cstdint>
#include <vector>

#include "apps/velocitrex/art/Raster.h"

namespace vx::art {

std::vector<std::uint8_t> MakeIconFile(const std::vector<Raster>& sizes);

// Up to `count` colours that stand for the given ones (median cut), and the
// index of the nearest of them for any colour.
class ColorTable {
public:
    ColorTable(const std::vector<std::uint32_t>& colors, std::size_t count);
    const std::vector<std::uint32_t>& Colors() const { return table_; }
    std::uint8_t Nearest(std::uint32_t color) const;

private:
    std::vector<std::uint32_t> table_;
};

}  // namespace vx::art
