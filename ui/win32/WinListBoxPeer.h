#pragma once
// A LISTBOX window with one selected item.
#include "ui/win32/WinControlPeer.h"

namespace vx::ui {
class ListBox;
}

namespace vx::ui::win32 {

class WinListBoxPeer : public WinControlPeer {
public:
    WinListBoxPeer(ListBox& list, WinFormPeer& form);

    void Command(WORD code) override;

protected:
    ChildWindowParams ChildParams() const override;
    void SyncState() override;
    void UpdateKind(Change change) override;

private:
    void ShowItems();
    void ShowSelection();

    ListBox& list_;
};

}  // namespace vx::ui::win32
