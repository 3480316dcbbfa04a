#include "apps/velocitrex/art/Outlines.h"

namespace vx::art {
namespace {

RoundRect Rounded(const Box& box, int radius)
{
    return {static_cast<double>(box.left), static_cast<double>(box.top), static_cast<double>(box.right),
            static_cast<double>(box.bottom), static_cast<double>(radius)};
}

}  // namespace

RoundRect WizardOutline()
{
    return Rounded(layout::wizard::Visible, layout::wizard::CornerRadius);
}

RoundRect ApplyScreenOutline()
{
    return Rounded(layout::apply::Visible, layout::apply::CornerRadius);
}

RoundRect AboutBoxOutline()
{
    return Rounded(layout::about::Visible, layout::about::CornerRadius);
}

}  // namespace vx::art
