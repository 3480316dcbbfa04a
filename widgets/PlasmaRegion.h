#pragma once
// The outline of a shaped window as it is stored with the window: the binary
// property "Data", a signed 32-bit little-endian byte count N followed by N bytes
// of RGNDATA. N <= 0 stands for no region.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "ui/Region.h"

namespace vx::widgets {

class TPlasmaRegion {
public:
    const std::optional<ui::Region>& Region() const { return region_; }
    // Copy from a region (nullopt: none).
    void Assign(const std::optional<ui::Region>& region) { region_ = region; }

    // Reads one "Data" record from the front of stream and returns the bytes it
    // took. A record whose count runs past the stream, or whose bytes are not
    // valid region data, leaves no region.
    std::size_t LoadData(std::span<const std::uint8_t> stream);
    std::vector<std::uint8_t> SaveData() const;

private:
    std::optional<ui::Region> region_;
};

}  // namespace vx::widgets
