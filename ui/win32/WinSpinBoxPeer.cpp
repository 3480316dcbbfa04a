#include "ui/win32/WinSpinBoxPeer.h"

#include <commctrl.h>

#include <stdexcept>

#include "ui/SpinBox.h"
#include "ui/win32/WinFormPeer.h"
#include "ui/win32/WinWindowClass.h"

namespace vx::ui::win32 {

namespace {

// The arrows' own position stays in the middle of a range it never leaves.
constexpr int ArrowRange = 100;

}  // namespace

WinSpinBoxPeer::WinSpinBoxPeer(SpinBox& spin, WinFormPeer& form) : WinControlPeer(spin, form), spin_(spin) {}

WinSpinBoxPeer::~WinSpinBoxPeer() = default;

void WinSpinBoxPeer::Command(WORD code)
{
    if (code == EN_CHANGE && !Syncing())
        spin_.NativeTextChanged(WindowText(Handle()));
}

bool WinSpinBoxPeer::Notify(const NMHDR& header, LRESULT& result)
{
    if (header.hwndFrom != Arrows() || header.code != UDN_DELTAPOS)
        return false;
    const auto& change = reinterpret_cast<const NMUPDOWN&>(header);
    if (change.iDelta != 0)
        spin_.NativeStep(change.iDelta > 0 ? 1 : -1);
    result = TRUE;  // the arrows keep their position
    return true;
}

WinControlPeer::ChildWindowParams WinSpinBoxPeer::ChildParams() const
{
    return {"EDIT", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
}

void WinSpinBoxPeer::SyncState()
{
    ShowText();
    if (!arrows_)
        MakeArrows();
}

void WinSpinBoxPeer::UpdateKind(Change change)
{
    switch (change) {
    case Change::Text: ShowText(); break;
    // Setting the buddy again puts the arrows at the edit's right edge once more.
    case Change::Bounds: SendMessageA(Arrows(), UDM_SETBUDDY, reinterpret_cast<WPARAM>(Handle()), 0); break;
    case Change::Visible: ShowWindow(Arrows(), spin_.IsShowing() ? SW_SHOWNA : SW_HIDE); break;
    case Change::Enabled: EnableWindow(Arrows(), spin_.IsEnabledInTree() ? TRUE : FALSE); break;
    default: break;
    }
}

void WinSpinBoxPeer::MakeArrows()
{
    const DWORD style = WS_CHILD | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS |
                        (spin_.IsShowing() ? WS_VISIBLE : 0) | (spin_.IsEnabledInTree() ? 0 : WS_DISABLED);
    HWND hwnd = CreateWindowExA(0, UPDOWN_CLASSA, "", style, 0, 0, 0, 0, FormWindow().Handle(), nullptr, ModuleInstance(),
                                nullptr);
    if (!hwnd)
        throw std::runtime_error("Cannot create the up-down arrows of " + spin_.Name());
    arrows_.Reset(hwnd);
    Subclass(hwnd);
    SendMessageA(hwnd, UDM_SETRANGE, 0, MAKELONG(ArrowRange, 0));
    SendMessageA(hwnd, UDM_SETPOS, 0, MAKELONG(ArrowRange / 2, 0));
    SendMessageA(hwnd, UDM_SETBUDDY, reinterpret_cast<WPARAM>(Handle()), 0);
}

void WinSpinBoxPeer::ShowText()
{
    if (WindowText(Handle()) != spin_.Text())
        SetWindowTextA(Handle(), spin_.Text().c_str());
}

}  // namespace vx::ui::win32
