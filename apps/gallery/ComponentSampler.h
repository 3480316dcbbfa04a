#pragma once
// A taste of the component set for a small area of another window: one button of
// each kind, a round bullet and a line of raised text on a gradient.
#include "widgets/AHMBackground.h"
#include "widgets/AHMRoundButton.h"
#include "widgets/DsFancyButton.h"
#include "widgets/JLAqua.h"
#include "widgets/NvOS8PushButton.h"
#include "apps/gallery/ShowcaseParts.h"

namespace vx::widgets {

class ComponentSampler {
public:
    // Fills area (at least 200 x 150).
    explicit ComponentSampler(ui::Control& area);
    ComponentSampler(const ComponentSampler&) = delete;
    ComponentSampler& operator=(const ComponentSampler&) = delete;

private:
    GradientSwatch backdrop_;
    Text3DSample title_;
    TDsFancyButton fancy_;
    TJLAqua aqua_;
    TJLAqua orb_;
    TNvOS8PushButton push_;
    TAHMBackground bullet_;
    TAHMRoundButton round_;
};

}  // namespace vx::widgets
