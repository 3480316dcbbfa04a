#pragma once
// A single-line EDIT window.
#include "ui/win32/WinControlPeer.h"

namespace vx::ui {
class Edit;
}

namespace vx::ui::win32 {

class WinEditPeer : public WinControlPeer {
public:
    WinEditPeer(Edit& edit, WinFormPeer& form);

    void Command(WORD code) override;

protected:
    ChildWindowParams ChildParams() const override;
    void SyncState() override;
    void UpdateKind(Change change) override;

private:
    Edit& edit_;
};

}  // namespace vx::ui::win32
