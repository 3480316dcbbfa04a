#include "ui/win32/WinPushButtonPeer.h"

#include "ui/Bitmap.h"
#include "ui/OwnerDrawButton.h"
#include "ui/win32/GdiCanvas.h"
#include "ui/win32/WinGeometry.h"

namespace vx::ui::win32 {

WinPushButtonPeer::WinPushButtonPeer(ButtonControl& button, WinFormPeer& form, bool ownerDrawn)
    : WinControlPeer(button, form), button_(button), ownerDrawn_(ownerDrawn)
{
}

void WinPushButtonPeer::Command(WORD code)
{
    if (code == BN_CLICKED && !Syncing())
        button_.NativeClick();
}

bool WinPushButtonPeer::DrawItem(const DRAWITEMSTRUCT& item)
{
    auto* owner = dynamic_cast<OwnerDrawButton*>(&button_);
    if (!owner)
        return false;
    owner->NativePressed((item.itemState & ODS_SELECTED) != 0);
    const Rect r = FromRECT(item.rcItem);
    if (r.IsEmpty())
        return true;
    Bitmap picture(r.Width(), r.Height());
    owner->PaintButton(picture.GetCanvas());
    GdiCanvas(item.hDC).Draw(r.left, r.top, picture);
    return true;
}

WinControlPeer::ChildWindowParams WinPushButtonPeer::ChildParams() const
{
    return {"BUTTON", WS_TABSTOP | ButtonStyle(), 0};
}

DWORD WinPushButtonPeer::ButtonStyle() const
{
    if (ownerDrawn_)
        return BS_OWNERDRAW;
    return button_.Default() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void WinPushButtonPeer::SyncState()
{
    SetWindowTextA(Handle(), button_.Caption().c_str());
}

void WinPushButtonPeer::UpdateKind(Change change)
{
    switch (change) {
    case Change::Caption: SyncState(); break;
    case Change::Style:
        if (!ownerDrawn_)
            SendMessageA(Handle(), BM_SETSTYLE, ButtonStyle(), TRUE);
        break;
    case Change::Appearance: InvalidateRect(Handle(), nullptr, FALSE); break;
    default: break;
    }
}

}  // namespace vx::ui::win32
