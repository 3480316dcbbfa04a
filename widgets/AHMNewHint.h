#pragma once
// The bubble hint window: placed beside the pointer in the direction that fits,
// drawn over a copy of the screen it covers so that everything outside the
// outline looks transparent, with a dotted shadow.
#include "ui/Bitmap.h"
#include "ui/HintWindow.h"
#include "widgets/HintPlacement.h"

namespace vx::widgets {

class TAHMHint;

class TAHMNewHint : public ui::HintWindow {
public:
    TAHMNewHint();

    void ActivateHint(const ui::Rect& screen, const std::string& hint) override;
    // Chooses direction, position and size for a hint without showing it.
    void Place(ui::Point mouse, ui::Size screen, const ui::Rect& textRect, const std::string& hint,
               TAHMDirection preferred);
    // As ActivateHint, for a known pointer position, screen size and preferred direction.
    void ShowAt(ui::Point mouse, ui::Size screen, const ui::Rect& textRect, const std::string& hint,
                TAHMDirection preferred);

    TAHMDirection Direction() const { return direction_; }

    // The picture of the whole window over the given screen copy.
    ui::Bitmap Render(const ui::Bitmap& screenCopy) const;

protected:
    void Paint(ui::Canvas& canvas) override;

private:
    void DrawShadow(ui::Bitmap& copy, const TAHMHint& owner) const;
    void DrawOutline(ui::Canvas& canvas, const TAHMHint& owner) const;

    TAHMDirection direction_ = TAHMDirection::dUpRight;
    ui::Bitmap screenCopy_;
};

}  // namespace vx::widgets
