#pragma once
// Every component of the set in its main states on one shaped, draggable window,
// for the gallery and for looking at the product's style.
#include <array>
#include <memory>

#include "ui/Form.h"
#include "widgets/AHMBackground.h"
#include "widgets/AHMCheckbox.h"
#include "widgets/AHMHint.h"
#include "widgets/AHMRoundButton.h"
#include "widgets/DsFancyButton.h"
#include "widgets/JLAqua.h"
#include "widgets/NvOS8PushButton.h"
#include "widgets/PlasmaForm.h"
#include "apps/gallery/ShowcaseParts.h"

namespace vx::widgets {

class ComponentShowcase {
public:
    static constexpr int Width = 600;
    static constexpr int Height = 440;

    // Makes form a 600 x 440 shaped window and fills it.
    explicit ComponentShowcase(ui::Form& form);
    ComponentShowcase(const ComponentShowcase&) = delete;
    ComponentShowcase& operator=(const ComponentShowcase&) = delete;

private:
    void MakeSurface();
    void MakeFancyButtons();
    void MakePushButtons();
    void MakeAquaButtons();
    void MakeGradients();
    void MakeText3D();
    void MakeRoundButtons();
    void MakeCheckboxes();
    void MakeHint();

    ui::Form& form_;
    std::unique_ptr<TAHMHint> hint_;  // when the application has none yet
    TPlasmaForm surface_;
    TAHMBackground bulletBackground_;
    TAHMBackground stepBackground_;
    std::array<TDsFancyButton, 4> fancy_;
    std::array<TNvOS8PushButton, 4> push_;
    std::array<TJLAqua, 7> aqua_;
    std::array<GradientSwatch, 13> swatches_;
    std::array<Text3DSample, 6> texts_;
    std::array<TAHMRoundButton, 5> round_;
    std::array<TAHMCheckbox, 3> checks_;
    HintPreview hintPreview_;
};

// The showcase as a window of its own.
class TfrmComponents : public ui::Form {
public:
    static constexpr const char* Title = "Velocitrex Components";
    TfrmComponents();

private:
    ComponentShowcase showcase_;
};

}  // namespace vx::widgets
