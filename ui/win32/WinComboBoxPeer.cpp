#include "ui/win32/WinComboBoxPeer.h"

#include "ui/ComboBox.h"

namespace vx::ui::win32 {

namespace {

constexpr int DropDownCount = 8;

}  // namespace

WinComboBoxPeer::WinComboBoxPeer(ComboBox& combo, WinFormPeer& form) : WinControlPeer(combo, form), combo_(combo)
{
}

void WinComboBoxPeer::Command(WORD code)
{
    if (Syncing())
        return;
    switch (code) {
    case CBN_SELCHANGE:
        combo_.NativeItemChosen(static_cast<int>(SendMessageA(Handle(), CB_GETCURSEL, 0, 0)));
        break;
    case CBN_EDITCHANGE: combo_.NativeTextChanged(WindowText(Handle())); break;
    // The edit part of a drop-down has the focus, not the combo box window.
    case CBN_SETFOCUS: FocusGained(); break;
    default: break;
    }
}

WinControlPeer::ChildWindowParams WinComboBoxPeer::ChildParams() const
{
    const DWORD kind = combo_.Style() == ComboStyle::DropDownList ? CBS_DROPDOWNLIST : CBS_DROPDOWN | CBS_AUTOHSCROLL;
    return {"COMBOBOX", WS_TABSTOP | WS_VSCROLL | kind, 0};
}

Rect WinComboBoxPeer::WindowBounds() const
{
    Rect r = combo_.BoundsInForm();
    r.bottom += DropDownCount * (combo_.GetFont().PixelHeight() + 5) + 2;
    return r;
}

void WinComboBoxPeer::SyncState()
{
    ShowItems();
    ShowSelection();
    ShowText();
}

void WinComboBoxPeer::UpdateKind(Change change)
{
    switch (change) {
    case Change::Items: SyncState(); break;
    case Change::ItemIndex: ShowSelection(); break;
    case Change::Text: ShowText(); break;
    case Change::Style: Recreate(); break;
    default: break;
    }
}

void WinComboBoxPeer::ShowItems()
{
    ReplaceItems(Handle(), CB_RESETCONTENT, CB_ADDSTRING, combo_.Items());
}

void WinComboBoxPeer::ShowSelection()
{
    SendMessageA(Handle(), CB_SETCURSEL, static_cast<WPARAM>(combo_.ItemIndex()), 0);
}

void WinComboBoxPeer::ShowText()
{
    if (combo_.Style() == ComboStyle::DropDown && WindowText(Handle()) != combo_.Text())
        SetWindowTextA(Handle(), combo_.Text().c_str());
}

}  // namespace vx::ui::win32
