#pragma once
// What makes a control a push button of its form, standard or skinned: Enter
// presses the form's default button and Escape its cancel button, and a click
// first hands the button's modal result to its form (ending a modal run there),
// then runs the click event.
#include "ui/ModalResult.h"

namespace vx::ui {

class Control;

class ButtonRole {
public:
    virtual ~ButtonRole() = default;

    bool Default() const { return default_; }
    void SetDefault(bool isDefault);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool cancel) { cancel_ = cancel; }
    // None: the click leaves the form's result alone.
    ModalResult GetModalResult() const { return modalResult_; }
    void SetModalResult(ModalResult result) { modalResult_ = result; }

protected:
    // The default mark changed: show it.
    virtual void DefaultChanged() {}
    // Called first by the button's click.
    void ApplyModalResult(Control& button) const;

private:
    bool default_ = false;
    bool cancel_ = false;
    ModalResult modalResult_ = ModalResult::None;
};

}  // namespace vx::ui
