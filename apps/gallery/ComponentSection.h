#pragma once
// The gallery's second area filled with a sample of the skinned component set.
#include <memory>

#include "apps/gallery/GalleryForm.h"

namespace vx::ui {

std::unique_ptr<GallerySection> MakeComponentSection(Control& area);

}  // namespace vx::ui
