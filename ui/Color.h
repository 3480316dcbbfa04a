#pragma once
// Colours in the Windows COLORREF layout 0x00BBGGRR. Like Delphi's TColor, a value
// with the top bit set refers to a system colour (0x80000000 | COLOR_ index) and is
// resolved with ColorToRgb when it is drawn.
#include <cstdint>

namespace vx::ui {

using Color = std::uint32_t;

constexpr Color Rgb(int r, int g, int b)
{
    return static_cast<Color>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int RedOf(Color c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(Color c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(Color c) { return static_cast<int>((c >> 16) & 0xFF); }

// The Windows COLOR_ indices.
enum class SystemColor {
    ScrollBar = 0,
    Background = 1,
    ActiveCaption = 2,
    InactiveCaption = 3,
    Menu = 4,
    Window = 5,
    WindowFrame = 6,
    MenuText = 7,
    WindowText = 8,
    CaptionText = 9,
    ActiveBorder = 10,
    InactiveBorder = 11,
    AppWorkspace = 12,
    Highlight = 13,
    HighlightText = 14,
    ButtonFace = 15,
    ButtonShadow = 16,
    GrayText = 17,
    ButtonText = 18,
    InactiveCaptionText = 19,
    ButtonHighlight = 20,
    DarkShadow3D = 21,
    Light3D = 22,
    InfoText = 23,
    InfoBackground = 24,
};
constexpr int SystemColorCount = 25;

constexpr Color SystemColorBit = 0x80000000u;
constexpr Color SysColorRef(SystemColor c) { return SystemColorBit | static_cast<Color>(c); }
constexpr bool IsSystemColor(Color c) { return (c & SystemColorBit) != 0; }

constexpr Color clBlack = Rgb(0, 0, 0);
constexpr Color clMaroon = Rgb(128, 0, 0);
constexpr Color clGreen = Rgb(0, 128, 0);
constexpr Color clOlive = Rgb(128, 128, 0);
constexpr Color clNavy = Rgb(0, 0, 128);
constexpr Color clPurple = Rgb(128, 0, 128);
constexpr Color clTeal = Rgb(0, 128, 128);
constexpr Color clGray = Rgb(128, 128, 128);
constexpr Color clSilver = Rgb(192, 192, 192);
constexpr Color clRed = Rgb(255, 0, 0);
constexpr Color clLime = Rgb(0, 255, 0);
constexpr Color clYellow = Rgb(255, 255, 0);
constexpr Color clBlue = Rgb(0, 0, 255);
constexpr Color clFuchsia = Rgb(255, 0, 255);
constexpr Color clAqua = Rgb(0, 255, 255);
constexpr Color clWhite = Rgb(255, 255, 255);
constexpr Color clNone = 0x1FFFFFFFu;
constexpr Color clDefault = 0x20000000u;

constexpr Color clBtnFace = SysColorRef(SystemColor::ButtonFace);
constexpr Color clBtnHighlight = SysColorRef(SystemColor::ButtonHighlight);
constexpr Color clBtnShadow = SysColorRef(SystemColor::ButtonShadow);
constexpr Color clBtnText = SysColorRef(SystemColor::ButtonText);
constexpr Color clGrayText = SysColorRef(SystemColor::GrayText);
constexpr Color clHighlight = SysColorRef(SystemColor::Highlight);
constexpr Color clHighlightText = SysColorRef(SystemColor::HighlightText);
constexpr Color clInfoBk = SysColorRef(SystemColor::InfoBackground);
constexpr Color clInfoText = SysColorRef(SystemColor::InfoText);
constexpr Color clWindow = SysColorRef(SystemColor::Window);
constexpr Color clWindowText = SysColorRef(SystemColor::WindowText);

// The classic Windows scheme, used wherever no system supplies the colours.
Color HostSysColor(SystemColor c);

// Where system colours come from: the classic scheme unless another source is
// installed (the win32 backend installs GetSysColor for its lifetime, with
// platform::ScopedService).
class SystemColors {
public:
    virtual ~SystemColors() = default;
    virtual Color Get(SystemColor c) const = 0;
};

// The current value of a system colour.
Color SysColor(SystemColor c);

// A system colour reference becomes its current RGB value; other values pass unchanged.
Color ColorToRgb(Color c);

}  // namespace vx::ui
