#pragma once
// A BUTTON window with BS_RADIOBUTTON: the control unchecks its siblings itself.
#include "ui/win32/WinControlPeer.h"

namespace vx::ui {
class RadioButton;
}

namespace vx::ui::win32 {

class WinRadioButtonPeer : public WinControlPeer {
public:
    WinRadioButtonPeer(RadioButton& button, WinFormPeer& form);

    void Command(WORD code) override;

protected:
    ChildWindowParams ChildParams() const override;
    void SyncState() override;
    void UpdateKind(Change change) override;

private:
    RadioButton& button_;
};

}  // namespace vx::ui::win32
