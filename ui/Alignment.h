#pragma once
#include "ui/TextFormat.h"

namespace vx::ui {

enum class Alignment { Left, Right, Center };

constexpr TextFormat ToTextFormat(Alignment alignment)
{
    switch (alignment) {
    case Alignment::Right: return TextFormat::Right;
    case Alignment::Center: return TextFormat::Center;
    case Alignment::Left: break;
    }
    return TextFormat::Left;
}

}  // namespace vx::ui
