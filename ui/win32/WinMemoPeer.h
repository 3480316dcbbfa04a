#pragma once
// A multi-line EDIT window.
#include "ui/win32/WinControlPeer.h"

namespace vx::ui {
class Memo;
}

namespace vx::ui::win32 {

class WinMemoPeer : public WinControlPeer {
public:
    WinMemoPeer(Memo& memo, WinFormPeer& form);

    void Command(WORD code) override;

protected:
    ChildWindowParams ChildParams() const override;
    void SyncState() override;
    void UpdateKind(Change change) override;

private:
    Memo& memo_;
};

}  // namespace vx::ui::win32
