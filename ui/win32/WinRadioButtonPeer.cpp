#include "ui/win32/WinRadioButtonPeer.h"

#include "ui/RadioButton.h"

namespace vx::ui::win32 {

WinRadioButtonPeer::WinRadioButtonPeer(RadioButton& button, WinFormPeer& form)
    : WinControlPeer(button, form), button_(button)
{
}

void WinRadioButtonPeer::Command(WORD code)
{
    if (code == BN_CLICKED && !Syncing())
        button_.NativeClick();
}

WinControlPeer::ChildWindowParams WinRadioButtonPeer::ChildParams() const
{
    return {"BUTTON", WS_TABSTOP | BS_RADIOBUTTON, 0};
}

void WinRadioButtonPeer::SyncState()
{
    SetWindowTextA(Handle(), button_.Caption().c_str());
    SendMessageA(Handle(), BM_SETCHECK, button_.Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
}

void WinRadioButtonPeer::UpdateKind(Change change)
{
    if (change == Change::Caption || change == Change::Checked)
        SyncState();
}

}  // namespace vx::ui::win32
