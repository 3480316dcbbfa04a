#pragma once
// An EDIT window with an up-down control as its buddy. The up-down keeps no value
// of its own: each arrow press becomes a step of the spin box, which clamps.
#include "ui/win32/WinControlPeer.h"

namespace vx::ui {
class SpinBox;
}

namespace vx::ui::win32 {

class WinSpinBoxPeer : public WinControlPeer {
public:
    WinSpinBoxPeer(SpinBox& spin, WinFormPeer& form);
    ~WinSpinBoxPeer() override;
    WinSpinBoxPeer(const WinSpinBoxPeer&) = delete;
    WinSpinBoxPeer& operator=(const WinSpinBoxPeer&) = delete;

    void Command(WORD code) override;
    bool Notify(const NMHDR& header, LRESULT& result) override;

    HWND Arrows() const { return arrows_.Get(); }

protected:
    ChildWindowParams ChildParams() const override;
    void SyncState() override;
    void UpdateKind(Change change) override;

private:
    void MakeArrows();
    void ShowText();

    SpinBox& spin_;
    WindowHandle arrows_;
};

}  // namespace vx::ui::win32
