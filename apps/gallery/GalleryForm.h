#pragma once
// The gallery: a borderless, round-cornered form with one of each standard control
// and a painted pattern, and a second area that another part of the program may
// fill (the skinned component set).
#include <functional>
#include <memory>

#include "apps/gallery/PatternBox.h"
#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/GroupBox.h"
#include "ui/Label.h"
#include "ui/ListBox.h"
#include "ui/Memo.h"
#include "ui/Panel.h"
#include "ui/RadioButton.h"
#include "ui/SpinBox.h"

namespace vx::ui {

// Whatever fills the second area; it owns the controls it put there.
class GallerySection {
public:
    virtual ~GallerySection() = default;
};

// Puts controls into the area (a panel of the gallery) and returns their owner.
using GallerySectionFactory = std::function<std::unique_ptr<GallerySection>(Control& area)>;

constexpr const char* GalleryTitle = "Velocitrex Gallery";

class GalleryForm : public Form {
public:
    explicit GalleryForm(const GallerySectionFactory& fillSecondArea = {});

    Label lblTitle{this};
    Button btnClose{this};
    GroupBox gboxStandard{this};
    Label lblName{&gboxStandard};
    Edit edtName{&gboxStandard};
    Label lblType{&gboxStandard};
    ComboBox comboType{&gboxStandard};
    Label lblMtu{&gboxStandard};
    SpinBox spinMtu{&gboxStandard};
    CheckBox cbxSound{&gboxStandard};
    RadioButton rbtnAutomatic{&gboxStandard};
    RadioButton rbtnManual{&gboxStandard};
    ListBox lstProfiles{&gboxStandard};
    Memo memoNotes{&gboxStandard};
    Button btnApply{&gboxStandard};
    PatternBox imgPattern{this};
    Panel pnlSecondArea{this};

private:
    void PlaceTitle();
    void PlaceStandardControls();
    void PlaceChoices();
    void PlacePattern();
    void PlaceTabOrder();
    void btnCloseClick() { Close(); }

    std::unique_ptr<GallerySection> secondArea_;
};

}  // namespace vx::ui
