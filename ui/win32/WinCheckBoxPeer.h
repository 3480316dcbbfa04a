#pragma once
// A BUTTON window with BS_CHECKBOX: the control, not the window, toggles the check.
#include "ui/win32/WinControlPeer.h"

namespace vx::ui {
class CheckBox;
}

namespace vx::ui::win32 {

class WinCheckBoxPeer : public WinControlPeer {
public:
    WinCheckBoxPeer(CheckBox& box, WinFormPeer& form);

    void Command(WORD code) override;

protected:
    ChildWindowParams ChildParams() const override;
    void SyncState() override;
    void UpdateKind(Change change) override;

private:
    CheckBox& box_;
    BitmapHandle picture_;
};

}  // namespace vx::ui::win32
