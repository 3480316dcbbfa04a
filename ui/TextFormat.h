#pragma once
// DrawText flags, with the values of the Windows DT_ constants so a backend can
// pass them through.
namespace vx::ui {

enum class TextFormat : unsigned {
    Left = 0x0,
    Top = 0x0,
    Center = 0x1,
    Right = 0x2,
    VCenter = 0x4,  // with SingleLine only, as in Windows
    Bottom = 0x8,   // with SingleLine only
    WordBreak = 0x10,
    SingleLine = 0x20,
    ExpandTabs = 0x40,
    NoClip = 0x100,
    CalcRect = 0x400,  // measure only: the rectangle's right and bottom are set
    NoPrefix = 0x800,  // otherwise "&x" underlines x and "&&" shows one "&"
    EndEllipsis = 0x8000,
};

constexpr TextFormat operator|(TextFormat a, TextFormat b)
{
    return static_cast<TextFormat>(static_cast<unsigned>(a) | static_cast<unsigned>(b));
}
constexpr TextFormat& operator|=(TextFormat& a, TextFormat b) { return a = a | b; }
constexpr bool HasFlag(TextFormat flags, TextFormat f)
{
    return (static_cast<unsigned>(flags) & static_cast<unsigned>(f)) != 0;
}

}  // namespace vx::ui
