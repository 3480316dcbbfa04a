#pragma once
// A COMBOBOX window: an editable drop-down or a fixed list.
#include "ui/win32/WinControlPeer.h"

namespace vx::ui {
class ComboBox;
}

namespace vx::ui::win32 {

class WinComboBoxPeer : public WinControlPeer {
public:
    WinComboBoxPeer(ComboBox& combo, WinFormPeer& form);

    void Command(WORD code) override;

protected:
    ChildWindowParams ChildParams() const override;
    void SyncState() override;
    void UpdateKind(Change change) override;
    // A combo box window's height includes its dropped-down list.
    Rect WindowBounds() const override;

private:
    void ShowItems();
    void ShowSelection();
    void ShowText();

    ComboBox& combo_;
};

}  // namespace vx::ui::win32
