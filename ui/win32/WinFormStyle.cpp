#include "ui/win32/WinFormStyle.h"

#include "ui/Form.h"
#include "ui/win32/WinGeometry.h"

namespace vx::ui::win32 {

namespace {

DWORD TitleButtonStyle(const Form& form, DWORD withButtons)
{
    return form.TitleButtons() ? withButtons : 0;
}

}  // namespace

FormWindowStyle StyleFor(const Form& form, bool popup)
{
    FormWindowStyle s;
    switch (form.GetBorderStyle()) {
    case BorderStyle::None: s.style = WS_POPUP; break;
    case BorderStyle::Single:
        s.style = WS_OVERLAPPED | WS_CAPTION | TitleButtonStyle(form, WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
        break;
    case BorderStyle::Sizeable:
        s.style = WS_OVERLAPPED | WS_CAPTION | WS_THICKFRAME |
                  TitleButtonStyle(form, WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
        break;
    case BorderStyle::Dialog:
        s.style = WS_POPUP | WS_CAPTION | TitleButtonStyle(form, WS_SYSMENU);
        s.exStyle = WS_EX_DLGMODALFRAME;
        break;
    }
    // The form paints its client area itself; the child windows must stay out of it.
    s.style |= WS_CLIPCHILDREN;
    if (popup)
        s.exStyle |= WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    return s;
}

Rect WindowRectFor(const Form& form, const FormWindowStyle& style)
{
    RECT r{0, 0, form.ClientWidth(), form.ClientHeight()};
    AdjustWindowRectEx(&r, style.style, FALSE, style.exStyle);
    return Rect::Bounds(form.Left(), form.Top(), r.right - r.left, r.bottom - r.top);
}

}  // namespace vx::ui::win32
