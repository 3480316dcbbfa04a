#include "ui/win32/WinCheckBoxPeer.h"

#include "ui/CheckBox.h"
#include "ui/win32/GdiBitmapHandle.h"

namespace vx::ui::win32 {

WinCheckBoxPeer::WinCheckBoxPeer(CheckBox& box, WinFormPeer& form) : WinControlPeer(box, form), box_(box) {}

void WinCheckBoxPeer::Command(WORD code)
{
    if (code == BN_CLICKED && !Syncing())
        box_.NativeClick();
}

WinControlPeer::ChildWindowParams WinCheckBoxPeer::ChildParams() const
{
    DWORD style = WS_TABSTOP | BS_CHECKBOX;
    if (box_.PushLike())
        style |= BS_PUSHLIKE;
    if (box_.BoxOnRight())
        style |= BS_RIGHTBUTTON;
    if (box_.WordWrap())
        style |= BS_MULTILINE;
    if (box_.Picture())
        style |= BS_BITMAP;
    return {"BUTTON", style, box_.Sunken() ? static_cast<DWORD>(WS_EX_CLIENTEDGE) : 0};
}

void WinCheckBoxPeer::SyncState()
{
    SetWindowTextA(Handle(), box_.Caption().c_str());
    SendMessageA(Handle(), BM_SETCHECK, box_.Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
    if (box_.Picture()) {
        picture_ = CreateDeviceBitmap(*box_.Picture());
        SendMessageA(Handle(), BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture_.Get()));
    }
}

void WinCheckBoxPeer::UpdateKind(Change change)
{
    switch (change) {
    case Change::Caption: SetWindowTextA(Handle(), box_.Caption().c_str()); break;
    case Change::Checked: SendMessageA(Handle(), BM_SETCHECK, box_.Checked() ? BST_CHECKED : BST_UNCHECKED, 0); break;
    case Change::Style:
    case Change::Picture: Recreate(); break;
    default: break;
    }
}

}  // namespace vx::ui::win32
