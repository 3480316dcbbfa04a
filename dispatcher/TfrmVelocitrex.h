#pragma once
// The invisible dispatcher window that runs the program: one copy only, the
// start-up run ("/S") or the wizard, the apply screen, then the icon in the
// notification area with its menu for as long as the program stays resident.
#include <string>
#include <vector>

#include "dispatcher/WinReboot.h"
#include "ui/Form.h"
#include "ui/PopupMenu.h"
#include "ui/Timer.h"
#include "widgets/AHMHint.h"
#include "widgets/AHMWaveHolder.h"
#include "widgets/QV95TrayIcon.h"

namespace vx::wizard {
class Tfrm2002Main;
}

namespace vx::dispatcher {

class TfrmVelocitrex : public ui::Form {
public:
    // args: the program's command line without the program's name.
    TfrmVelocitrex(std::vector<std::string> args, wizard::Tfrm2002Main*& mainWindow);
    ~TfrmVelocitrex() override;

    widgets::TQV95TrayIcon QV95TrayIcon1;
    ui::Timer tmrDelayHide;
    widgets::TAHMWaveHolder AHMWaveHolder1;
    widgets::TAHMHint AHMHint1;
    ui::PopupMenu popIcon;
    ui::MenuItem mnuChangeSettings{popIcon};
    ui::MenuItem RebootMySystemToLockInTheChanges1{popIcon};
    ui::MenuItem About1{popIcon};
    ui::MenuItem mnuRestoreOriginal{popIcon};
    ui::MenuItem mnuClose{popIcon};
    ui::MenuItem N3{popIcon};
    ui::MenuItem Mycomputernameis1{popIcon};
    ui::MenuItem IPaddressis1{popIcon};
    TWinReboot WinReboot1;

    bool IsAnotherInstanceRunning();
    void ShowMainWindow();
    void ApplyAndOfferRestart();
    void GoToTray();

private:
    void BuildMenu();
    void FormCreate();
    void FormShow();
    bool BringOpenWizardToFront();
    void RestartAndEnd();
    void mnuRestoreOriginalClick();
    void RefreshRestoreItem();

    std::vector<std::string> args_;
    wizard::Tfrm2002Main*& mainWindow_;
};

}  // namespace vx::dispatcher
