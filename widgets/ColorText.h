#pragma once
// Colours as form resources write them: a name ("clRed", "clBtnFace"), a decimal
// number or a "$"-prefixed hexadecimal number in the 0x00BBGGRR layout.
#include <optional>
#include <string_view>

#include "ui/Color.h"

namespace vx::widgets {

std::optional<ui::Color> ColorFromText(std::string_view text);

}  // namespace vx::widgets
