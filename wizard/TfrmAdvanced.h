#pragma once
// The advanced settings page, for expert users.
#include "ui/Button.h"
#include "ui/Form.h"

namespace vx::wizard {

class TfrmAdvanced : public ui::Form {
public:
    // owner: the main window.
    explicit TfrmAdvanced(ui::Form* owner);

    ui::Button btnCancel{this};

private:
    ui::Form* owner_;
};

}  // namespace vx::wizard
