#pragma once
// DrawText's placement of lines in a rectangle, for backends that draw text
// themselves: prefix characters, line and word breaks, tabs, ellipsis, alignment.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/Geometry.h"
#include "ui/TextFormat.h"

namespace vx::ui {

struct TextLine {
    std::string text;
    int x = 0;
    int y = 0;
    int width = 0;
    int underline = -1;  // index of the accelerator character, or -1
};

struct TextLayout {
    std::vector<TextLine> lines;
    Rect bounds;     // the rectangle CalcRect reports
    int result = 0;  // DrawText's return value
};

using MeasureText = std::function<int(std::string_view)>;

TextLayout LayoutText(const Rect& r, std::string_view text, TextFormat format, const MeasureText& measure,
                      int lineHeight);

}  // namespace vx::ui
