#include "widgets/ColorText.h"

#include <array>
#include <cctype>
#include <charconv>
#include <string>
#include <utility>

namespace vx::widgets {

using namespace ui;

namespace {

constexpr std::array<std::pair<std::string_view, Color>, 41> Names = {{
    {"clBlack", clBlack}, {"clMaroon", clMaroon}, {"clGreen", clGreen}, {"clOlive", clOlive},
    {"clNavy", clNavy}, {"clPurple", clPurple}, {"clTeal", clTeal}, {"clGray", clGray},
    {"clSilver", clSilver}, {"clRed", clRed}, {"clLime", clLime}, {"clYellow", clYellow},
    {"clBlue", clBlue}, {"clFuchsia", clFuchsia}, {"clAqua", clAqua}, {"clWhite", clWhite},
    {"clNone", clNone}, {"clDefault", clDefault},
    {"clScrollBar", SysColorRef(SystemColor::ScrollBar)}, {"clBackground", SysColorRef(SystemColor::Background)},
    {"clActiveCaption", SysColorRef(SystemColor::ActiveCaption)},
    {"clInactiveCaption", SysColorRef(SystemColor::InactiveCaption)}, {"clMenu", SysColorRef(SystemColor::Menu)},
    {"clWindow", clWindow}, {"clWindowFrame", SysColorRef(SystemColor::WindowFrame)},
    {"clMenuText", SysColorRef(SystemColor::MenuText)}, {"clWindowText", clWindowText},
    {"clCaptionText", SysColorRef(SystemColor::CaptionText)},
    {"clActiveBorder", SysColorRef(SystemColor::ActiveBorder)},
    {"clInactiveBorder", SysColorRef(SystemColor::InactiveBorder)},
    {"clAppWorkSpace", SysColorRef(SystemColor::AppWorkspace)}, {"clHighlight", clHighlight},
    {"clHighlightText", clHighlightText}, {"clBtnFace", clBtnFace}, {"clBtnShadow", clBtnShadow},
    {"clGrayText", clGrayText}, {"clBtnText", clBtnText},
    {"clInactiveCaptionText", SysColorRef(SystemColor::InactiveCaptionText)},
    {"clBtnHighlight", clBtnHighlight}, {"clInfoBk", clInfoBk}, {"clInfoText", clInfoText},
}};

bool SameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

std::optional<Color> Number(std::string_view digits, int base, bool negative)
{
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
    if (digits.empty() || error != std::errc{} || end != digits.data() + digits.size())
        return std::nullopt;
    if (negative)
        value = -value;
    if (value < INT32_MIN || value > UINT32_MAX)
        return std::nullopt;
    return static_cast<Color>(static_cast<std::uint32_t>(value));
}

}  // namespace

std::optional<Color> ColorFromText(std::string_view text)
{
    for (const auto& [name, color] : Names) {
        if (SameName(name, text))
            return color;
    }
    const bool negative = !text.empty() && text.front() == '-';
    if (negative)
        text.remove_prefix(1);
    if (!text.empty() && text.front() == '$')
        return Number(text.substr(1), 16, negative);
    return Number(text, 10, negative);
}

}  // namespace vx::widgets
