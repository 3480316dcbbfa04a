#include "ui/Color.h"

#include <array>

#include "platform/CurrentService.h"

namespace vx::ui {

namespace {

class ClassicColors : public SystemColors {
public:
    Color Get(SystemColor c) const override { return HostSysColor(c); }
};

}  // namespace

Color HostSysColor(SystemColor c)
{
    // The "Windows Standard" scheme of Windows 95 and 98.
    static constexpr std::array<Color, SystemColorCount> classic = {
        Rgb(192, 192, 192),  // ScrollBar
        Rgb(0, 128, 128),    // Background
        Rgb(0, 0, 128),      // ActiveCaption
        Rgb(128, 128, 128),  // InactiveCaption
        Rgb(192, 192, 192),  // Menu
        Rgb(255, 255, 255),  // Window
        Rgb(0, 0, 0),        // WindowFrame
        Rgb(0, 0, 0),        // MenuText
        Rgb(0, 0, 0),        // WindowText
        Rgb(255, 255, 255),  // CaptionText
        Rgb(192, 192, 192),  // ActiveBorder
        Rgb(192, 192, 192),  // InactiveBorder
        Rgb(128, 128, 128),  // AppWorkspace
        Rgb(0, 0, 128),      // Highlight
        Rgb(255, 255, 255),  // HighlightText
        Rgb(192, 192, 192),  // ButtonFace
        Rgb(128, 128, 128),  // ButtonShadow
        Rgb(128, 128, 128),  // GrayText
        Rgb(0, 0, 0),        // ButtonText
        Rgb(192, 192, 192),  // InactiveCaptionText
        Rgb(255, 255, 255),  // ButtonHighlight
        Rgb(0, 0, 0),        // DarkShadow3D
        Rgb(223, 223, 223),  // Light3D
        Rgb(0, 0, 0),        // InfoText
        Rgb(255, 255, 225),  // InfoBackground
    };
    const auto index = static_cast<unsigned>(c);
    return index < classic.size() ? classic[index] : clBlack;
}

Color SysColor(SystemColor c)
{
    return platform::CurrentService<SystemColors>::Get().Get(c);
}

Color ColorToRgb(Color c)
{
    if (!IsSystemColor(c))
        return c;
    return SysColor(static_cast<SystemColor>(c & 0xFF));
}

}  // namespace vx::ui

namespace vx::platform {

template <>
ui::SystemColors& DefaultService<ui::SystemColors>()
{
    static ui::ClassicColors colors;
    return colors;
}

}  // namespace vx::platform
