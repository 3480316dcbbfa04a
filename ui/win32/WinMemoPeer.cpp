#include "ui/win32/WinMemoPeer.h"

#include "ui/Memo.h"

namespace vx::ui::win32 {

WinMemoPeer::WinMemoPeer(Memo& memo, WinFormPeer& form) : WinControlPeer(memo, form), memo_(memo) {}

void WinMemoPeer::Command(WORD code)
{
    if (code == EN_VSCROLL && !Syncing())
        memo_.NativeScrolled(static_cast<int>(SendMessageA(Handle(), EM_GETFIRSTVISIBLELINE, 0, 0)));
}

WinControlPeer::ChildWindowParams WinMemoPeer::ChildParams() const
{
    DWORD style = WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
    if (memo_.ReadOnly())
        style |= ES_READONLY;
    if (memo_.VerticalScrollBar())
        style |= WS_VSCROLL;
    if (!memo_.WordWrap())
        style |= ES_AUTOHSCROLL;
    return {"EDIT", style, memo_.Border() ? static_cast<DWORD>(WS_EX_CLIENTEDGE) : 0};
}

void WinMemoPeer::SyncState()
{
    SetWindowTextA(Handle(), memo_.Text().c_str());
    SendMessageA(Handle(), EM_LINESCROLL, 0, memo_.TopLine());
}

void WinMemoPeer::UpdateKind(Change change)
{
    switch (change) {
    case Change::Text:
    case Change::Items: SyncState(); break;
    case Change::Style: Recreate(); break;
    default: break;
    }
}

}  // namespace vx::ui::win32
