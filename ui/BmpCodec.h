#pragma once
// The Windows BMP file format, uncompressed only.
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace vx::ui {

struct DecodedBmp {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // top-down, 0x00RRGGBB
};

// 1, 4, 8 (with palette), 24 and 32 bits per pixel; nullopt for anything else,
// including files whose sizes do not add up.
std::optional<DecodedBmp> DecodeBmp(std::span<const std::uint8_t> file);

// bitsPerPixel 24 or 32; pixels top-down, 0x00RRGGBB.
std::vector<std::uint8_t> EncodeBmp(int width, int height, const std::uint32_t* pixels, int bitsPerPixel);

}  // namespace vx::ui
