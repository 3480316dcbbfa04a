#include "ui/win32/WinPopupMenu.h"

#include <stdexcept>
#include <vector>

#include "ui/PopupMenu.h"
#include "ui/win32/WinHandles.h"

namespace vx::ui::win32 {

MenuItem* TrackMenu(PopupMenu& menu, Point screen, HWND owner)
{
    MenuHandle handle(CreatePopupMenu());
    if (!handle)
        throw std::runtime_error("Cannot create the popup menu " + menu.Name());
    // Command n is shown[n - 1]; 0 means dismissed.
    std::vector<MenuItem*> shown;
    for (MenuItem* item : menu.Items()) {
        if (!item->Visible())
            continue;
        if (item->IsSeparator()) {
            AppendMenuA(handle.Get(), MF_SEPARATOR, 0, nullptr);
            continue;
        }
        shown.push_back(item);
        AppendMenuA(handle.Get(), MF_STRING | (item->Enabled() ? MF_ENABLED : MF_GRAYED), shown.size(),
                    item->Caption().c_str());
    }
    // Without the foreground a menu of a tray icon would not close when clicked beside.
    SetForegroundWindow(owner);
    const UINT command = static_cast<UINT>(::TrackPopupMenu(
        handle.Get(), TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, screen.x, screen.y, 0, owner, nullptr));
    PostMessageA(owner, WM_NULL, 0, 0);
    return command >= 1 && command <= shown.size() ? shown[command - 1] : nullptr;
}

}  // namespace vx::ui::win32
