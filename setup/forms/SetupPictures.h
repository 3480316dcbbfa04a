#pragma once
// The pictures the resource form holds; the program draws them at start-up.
#include <array>

#include "ui/Bitmap.h"

namespace vx::setup {

struct SetupPictures {
    ui::Bitmap banner;                 // 59 x 321, down each page's left edge
    std::array<ui::Bitmap, 3> ads;     // 96 x 60 each
    ui::Bitmap logo;                   // the options page's fixed logo
};

}  // namespace vx::setup
