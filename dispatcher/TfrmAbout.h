#pragma once
// The About box: the product's title, maker, rights and web address on a shaped
// picture that drags the window; OK closes it with Yes.
#include <array>

#include "ui/Form.h"
#include "ui/Label.h"
#include "widgets/DsFancyButton.h"
#include "widgets/PlasmaForm.h"

namespace vx::dispatcher {

class TfrmAbout : public ui::Form {
public:
    TfrmAbout();

    widgets::TPlasmaForm PlasmaForm1{this};
    std::array<ui::Label, 4> lines{ui::Label{this}, ui::Label{this}, ui::Label{this}, ui::Label{this}};
    widgets::TDsFancyButton btnOK{this};
};

// Shows the About box modally unless one is open.
void ShowAboutBox();

}  // namespace vx::dispatcher
