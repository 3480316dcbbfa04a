#pragma once
// The automatic page: a timed sequence of six steps prepares the user, then the
// recommended profile of the connection type is stored and "Velocitrex Me!"
// ends the page with Yes (the dispatcher applies). Cancel and any other close
// end it with No. The page never touches the TCP/IP settings itself.
#include <array>

#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/Panel.h"
#include "ui/Timer.h"
#include "widgets/AHMBackground.h"
#include "widgets/AHMCheckbox.h"
#include "widgets/AHMRoundButton.h"
#include "widgets/DsFancyButton.h"
#include "widgets/JLAqua.h"
#include "widgets/NvOS8PushButton.h"
#include "widgets/PlasmaForm.h"

namespace vx::wizard {

class TfrmAutomatic : public ui::Form {
public:
    // Placed over the main window when shown.
    explicit TfrmAutomatic(ui::Form& mainWindow);

    widgets::TPlasmaForm PlasmaForm1{this};
    widgets::TDsFancyButton btnExxit{this};
    widgets::TNvOS8PushButton NvOS8PushButton5{this};
    widgets::TNvOS8PushButton NvOS8PushButton1{this};
    widgets::TNvOS8PushButton NvOS8PushButton2{this};
    widgets::TNvOS8PushButton NvOS8PushButton3{this};
    ui::Panel Panel1{this};
    ui::Label lblWaitToPress{&Panel1};
    std::array<widgets::TAHMRoundButton, 6> bullets{widgets::TAHMRoundButton{&Panel1}, widgets::TAHMRoundButton{&Panel1},
                                                    widgets::TAHMRoundButton{&Panel1}, widgets::TAHMRoundButton{&Panel1},
                                                    widgets::TAHMRoundButton{&Panel1}, widgets::TAHMRoundButton{&Panel1}};
    std::array<widgets::TAHMCheckbox, 6> checks{widgets::TAHMCheckbox{&Panel1}, widgets::TAHMCheckbox{&Panel1},
                                                widgets::TAHMCheckbox{&Panel1}, widgets::TAHMCheckbox{&Panel1},
                                                widgets::TAHMCheckbox{&Panel1}, widgets::TAHMCheckbox{&Panel1}};
    ui::Label lblReadyToGo{&Panel1};
    widgets::TJLAqua btnNext{this};  // "Cancel"
    widgets::TJLAqua JLAqua2{this};  // "Velocitrex Me!"
    // Outside the outline: no person reaches them.
    widgets::TNvOS8PushButton btnVelocitrexMe{this};
    widgets::TNvOS8PushButton btnMinimize{this};
    ui::Timer tmrDelayCheckboxes;
    ui::Timer tmrDelayClose;

    bool PreparationCancelled() const { return preparationCancelled_; }

private:
    void Build();
    void BuildSteps();
    void FormShow();
    void FormClose();
    void tmrDelayCheckboxesTimer();
    void ResetSteps();
    bool RevealStep(int step, bool tick);
    void SetApplyButtons(bool enabled);
    void btnVelocitrexMeClick();
    void btnCancelClick();
    void btnCloseClick();
    void btnMinimizeClick();

    ui::Form& mainWindow_;
    widgets::TAHMBackground bulletBackground_;
    bool preparationCancelled_ = false;
};

}  // namespace vx::wizard
