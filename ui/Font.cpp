#include "ui/Font.h"

#include <cstdint>

namespace vx::ui {

int MulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    std::int64_t product = static_cast<std::int64_t>(a) * b;
    const bool negative = (product < 0) != (c < 0);
    std::int64_t num = product < 0 ? -product : product;
    std::int64_t den = c < 0 ? -static_cast<std::int64_t>(c) : c;
    std::int64_t q = (num + den / 2) / den;
    return static_cast<int>(negative ? -q : q);
}

int Font::Size() const
{
    // Delphi: Size = -MulDiv(Height, 72, PixelsPerInch).
    return -MulDiv(height, 72, ScreenPixelsPerInch);
}

void Font::SetSize(int points)
{
    height = -MulDiv(points, ScreenPixelsPerInch, 72);
}

}  // namespace vx::ui
