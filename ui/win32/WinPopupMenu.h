#pragma once
// A PopupMenu shown with TrackPopupMenu.
#include <windows.h>

#include "ui/Geometry.h"

namespace vx::ui {
class MenuItem;
class PopupMenu;
}

namespace vx::ui::win32 {

// Waits until an item is chosen (returned) or the menu is dismissed (nullptr).
MenuItem* TrackMenu(PopupMenu& menu, Point screen, HWND owner);

}  // namespace vx::ui::win32
