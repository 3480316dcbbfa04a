#pragma once
// The apply screen: a short animation of a red bar, then (in apply mode) the
// stored profile is written and the user is asked to restart Windows. In
// show-only mode (the start-up run) it animates, writes nothing and closes.
#include <array>

#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/Timer.h"
#include "widgets/NvOS8PushButton.h"
#include "widgets/PlasmaForm.h"

namespace vx::dispatcher {

enum class ApplyMode { Apply, ShowOnly };

// The counter and flag of the animation, process-wide as the screen's own state.
struct ApplyAnimation {
    ApplyMode mode = ApplyMode::Apply;
    int ProgressStep = 0;
    bool rightCapMoving = false;
};
ApplyAnimation& ApplyState();

class TfrmMakeRegistryChanges : public ui::Form {
public:
    TfrmMakeRegistryChanges();

    // Before showing: the mode, the first text and the bar's start.
    void Prepare(ApplyMode mode);

    widgets::TPlasmaForm PlasmaForm1{this};
    ui::Image imgRedLeft{this};
    std::array<ui::Image, 8> imgRed{ui::Image{this}, ui::Image{this}, ui::Image{this}, ui::Image{this},
                                    ui::Image{this}, ui::Image{this}, ui::Image{this}, ui::Image{this}};  // 2 to 9
    ui::Image imgRedRight{this};
    ui::Label lblActionItem2{this};
    ui::Label lblReboot1{this};
    ui::Label lblReboot2{this};
    ui::Label lblWebAddress{this};
    widgets::TNvOS8PushButton btnRebootNow{this};
    widgets::TNvOS8PushButton btnRebootLater{this};
    ui::Timer tmrRedBar;
    ui::Timer tmrStayOnScreen;

    // Parameter writes the registry refused in this run (apply mode).
    int RefusedWrites() const { return refusedWrites_; }

private:
    void Build();
    void FormShow();
    void tmrRedBarTimer();
    void AnimationStep(int step);
    void AnimationEnded();
    void tmrStayOnScreenTimer();
    void btnRebootNowClick();
    void btnRebootLaterClick();

    int refusedWrites_ = 0;
};

// Runs the screen modally, owned by the dispatcher: Yes after "Reboot Now" or a
// completed show-only run, No after "Reboot Later" (or when nothing could be
// written), Cancel when the program ended meanwhile; No at once when a screen is
// already open.
ui::ModalResult RunApplyScreen(ApplyMode mode);

}  // namespace vx::dispatcher
