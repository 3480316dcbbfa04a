#include "ui/Canvas.h"

namespace vx::ui {

void Canvas::SetOrigin(Point origin)
{
    state_.origin = origin;
    ApplyState();
}

void Canvas::SetClip(const Region& region)
{
    Region onSurface = region;
    onSurface.Offset(state_.origin.x, state_.origin.y);
    state_.clip = std::move(onSurface);
    ApplyState();
}

void Canvas::IntersectClipRect(const Rect& r)
{
    Region added = Region::FromRect(r);
    added.Offset(state_.origin.x, state_.origin.y);
    state_.clip = state_.clip ? Region::Combine(*state_.clip, added, RegionOp::And) : std::move(added);
    ApplyState();
}

void Canvas::ClearClip()
{
    state_.clip.reset();
    ApplyState();
}

std::optional<Region> Canvas::Clip() const
{
    if (!state_.clip)
        return std::nullopt;
    Region logical = *state_.clip;
    logical.Offset(-state_.origin.x, -state_.origin.y);
    return logical;
}

void Canvas::RestoreState(const CanvasState& state)
{
    state_ = state;
    ApplyState();
}

}  // namespace vx::ui
