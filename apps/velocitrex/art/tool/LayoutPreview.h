#pragma once
// Mock-ups of the main program's windows: each picture with components of the
// set laid on it at the places of Layout.h, rendered by the headless backend.
// They are not the program's windows; they show that picture and layout fit.
#include <string>
#include <utility>
#include <vector>

#include "ui/Bitmap.h"

namespace vx::art {

std::vector<std::pair<std::string, ui::Bitmap>> RenderLayoutPreviews();

}  // namespace vx::art
