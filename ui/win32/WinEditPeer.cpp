#include "ui/win32/WinEditPeer.h"

#include "ui/Edit.h"

namespace vx::ui::win32 {

WinEditPeer::WinEditPeer(Edit& edit, WinFormPeer& form) : WinControlPeer(edit, form), edit_(edit) {}

void WinEditPeer::Command(WORD code)
{
    if (code == EN_CHANGE && !Syncing())
        edit_.NativeTextChanged(WindowText(Handle()));
}

WinControlPeer::ChildWindowParams WinEditPeer::ChildParams() const
{
    const DWORD readOnly = edit_.ReadOnly() ? ES_READONLY : 0;
    return {"EDIT", WS_TABSTOP | ES_AUTOHSCROLL | readOnly, WS_EX_CLIENTEDGE};
}

void WinEditPeer::SyncState()
{
    SetWindowTextA(Handle(), edit_.Text().c_str());
}

void WinEditPeer::UpdateKind(Change change)
{
    switch (change) {
    case Change::Text:
        // Typing already shows; rewriting would move the caret.
        if (WindowText(Handle()) != edit_.Text())
            SyncState();
        break;
    case Change::Style: SendMessageA(Handle(), EM_SETREADONLY, edit_.ReadOnly() ? TRUE : FALSE, 0); break;
    default: break;
    }
}

}  // namespace vx::ui::win32
