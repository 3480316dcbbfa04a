#pragma once
// A fixed drop-down list of the drives ("c:", "d:" ...). OnChange runs when the
// drive changes, chosen by the user or set by code.
#include "ui/ComboBox.h"

namespace vx::ui {

class DriveList : public ComboBox {
public:
    explicit DriveList(Control* parent = nullptr);

    // Reads the drives again; none is selected afterwards.
    void Refresh();
    // Upper case; 0 when none is selected.
    char Drive() const { return drive_; }
    // A drive that is not in the list changes nothing.
    void SetDrive(char drive);

protected:
    void UserChanged() override { FollowSelection(); }

private:
    void FollowSelection();

    char drive_ = 0;
};

}  // namespace vx::ui
