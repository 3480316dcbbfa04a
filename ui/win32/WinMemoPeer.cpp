#include "ui/win32/WinMemoPeer.h"

#include "ui/Memo.h"

namespace vx::ui::win32 {

WinMemoPeer::WinMemoPeer(Memo& memo, WinFormPeer& form) : WinControlPeer(memo, form), memo_(memo) {}

void WinMemoPeer::Command(WORD code)
{
    if (Syncing())
        return;
    if (code == EN_VSCROLL)
        memo_.NativeScrolled(static_cast<int>(SendMessageA(Handle(), EM_GETFIRSTVISIBLELINE, 0, 0)));
    else if (code == EN_CHANGE)
        memo_.NativeTextChanged(WindowText(Handle()));
}

WinControlPeer::ChildWindowParams WinMemoPeer::ChildParams() const
{
    DWORD style = WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL;
    // Enter goes to the form's default button unless the text takes new lines.
    style |= memo_.ReadOnly() ? ES_READONLY : ES_WANTRETURN;
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
        // Typing already shows; rewriting would move the caret.
        if (WindowText(Handle()) != memo_.Text())
            SyncState();
        break;
    case Change::Style: Recreate(); break;
    default: break;
    }
}

}  // namespace vx::ui::win32
