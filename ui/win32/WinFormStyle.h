#pragma once
// The window styles and the window rectangle that show a form's border settings.
#include <windows.h>

#include "ui/Geometry.h"

namespace vx::ui {
class Form;
}

namespace vx::ui::win32 {

struct FormWindowStyle {
    DWORD style = 0;
    DWORD exStyle = 0;
};

// Input-transparent windows (popup: hints) float above the others, take no activation and get no
// taskbar button.
FormWindowStyle StyleFor(const Form& form, bool popup);
// The window rectangle on the screen: its top-left corner at the form's Left and
// Top, its client area the form's size.
Rect WindowRectFor(const Form& form, const FormWindowStyle& style);

}  // namespace vx::ui::win32
