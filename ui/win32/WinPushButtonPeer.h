#pragma once
// BUTTON windows of push buttons, standard or drawn by the control itself.
#include "ui/win32/WinControlPeer.h"

namespace vx::ui {
class ButtonControl;
}

namespace vx::ui::win32 {

class WinPushButtonPeer : public WinControlPeer {
public:
    WinPushButtonPeer(ButtonControl& button, WinFormPeer& form, bool ownerDrawn);

    void Command(WORD code) override;
    bool DrawItem(const DRAWITEMSTRUCT& item) override;

protected:
    ChildWindowParams ChildParams() const override;
    void SyncState() override;
    void UpdateKind(Change change) override;

private:
    DWORD ButtonStyle() const;

    ButtonControl& button_;
    bool ownerDrawn_ = false;
};

}  // namespace vx::ui::win32
