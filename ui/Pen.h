#pragma once
#include "ui/Color.h"

namespace vx::ui {

enum class PenStyle { Solid, Dash, Dot, DashDot, DashDotDot, Clear };

struct Pen {
    Color color = clBlack;
    int width = 1;
    PenStyle style = PenStyle::Solid;
    friend bool operator==(const Pen&, const Pen&) = default;
};

}  // namespace vx::ui
