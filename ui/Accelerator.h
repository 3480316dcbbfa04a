#pragma once
// "&" accelerators in captions: "&Close" is chosen with Alt+C, "&&" shows one "&".
#include <string_view>

namespace vx::ui {

// The accelerator letter of a caption, or 0 when it has none.
char AcceleratorOf(std::string_view caption);
// Whether c (either case) is the caption's accelerator.
bool IsAccelerator(char c, std::string_view caption);

}  // namespace vx::ui
