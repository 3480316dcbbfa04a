#pragma once
#include "ui/Color.h"

namespace vx::ui {

// Clear: shapes are not filled, and text is drawn with a transparent background.
enum class BrushStyle { Solid, Clear };

struct Brush {
    Color color = clWhite;
    BrushStyle style = BrushStyle::Solid;
    friend bool operator==(const Brush&, const Brush&) = default;
};

}  // namespace vx::ui
