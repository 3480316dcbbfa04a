#include "ui/win32/WinListBoxPeer.h"

#include "ui/ListBox.h"

namespace vx::ui::win32 {

WinListBoxPeer::WinListBoxPeer(ListBox& list, WinFormPeer& form) : WinControlPeer(list, form), list_(list) {}

void WinListBoxPeer::Command(WORD code)
{
    if (code == LBN_SELCHANGE && !Syncing())
        list_.NativeItemChosen(static_cast<int>(SendMessageA(Handle(), LB_GETCURSEL, 0, 0)));
}

WinControlPeer::ChildWindowParams WinListBoxPeer::ChildParams() const
{
    return {"LISTBOX", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, WS_EX_CLIENTEDGE};
}

void WinListBoxPeer::SyncState()
{
    ShowItems();
    ShowSelection();
}

void WinListBoxPeer::UpdateKind(Change change)
{
    switch (change) {
    case Change::Items: SyncState(); break;
    case Change::ItemIndex: ShowSelection(); break;
    default: break;
    }
}

void WinListBoxPeer::ShowItems()
{
    ReplaceItems(Handle(), LB_RESETCONTENT, LB_ADDSTRING, list_.Items());
}

void WinListBoxPeer::ShowSelection()
{
    SendMessageA(Handle(), LB_SETCURSEL, static_cast<WPARAM>(list_.ItemIndex()), 0);
}

}  // namespace vx::ui::win32
