#include "widgets/HintPlacement.h"

#include <algorithm>
#include <optional>

namespace vx::widgets {

using ui::Point;
using ui::Size;

namespace {

struct Trial {
    Point position;
    std::optional<TAHMDirection> fallBack;  // nullopt: it fits
};

Trial Try(TAHMDirection d, Point m, Size text, Size screen)
{
    using enum TAHMDirection;
    const Size up = BubbleSize(text, dUpRight), down = BubbleSize(text, dDownRight);
    switch (d) {
    case dUpRight: {
        const Point p{m.x, m.y - 5 - up.cy};
        if (m.x + up.cx > screen.cx)
            return {p, dUpLeft};
        return {p, p.y < 0 ? std::optional{dDownRight} : std::nullopt};
    }
    case dUpLeft: {
        const Point p{m.x - up.cx + 6, m.y - 5 - up.cy};
        if (p.x < 0)
            return {p, dUpRight};
        return {p, p.y < 0 ? std::optional{dDownLeft} : std::nullopt};
    }
    case dDownRight: {
        const Point p{m.x, m.y + 15};
        if (m.x + down.cx > screen.cx)
            return {p, dDownLeft};
        return {p, p.y + down.cy > screen.cy ? std::optional{dUpRight} : std::nullopt};
    }
    case dDownLeft: break;
    }
    const Point p{m.x - down.cx + 6, m.y + 15};
    if (p.x < 0)
        return {p, dDownRight};
    return {p, p.y + down.cy > screen.cy ? std::optional{dUpLeft} : std::nullopt};
}

}  // namespace

Size BubbleSize(Size text, TAHMDirection d)
{
    return {text.cx + 16, text.cy + (IsUpward(d) ? 20 : 29)};
}

HintPlacement PlaceHint(Point mouse, Size text, Size screen, TAHMDirection preferred)
{
    TAHMDirection d = preferred;
    // Four directions: a fifth trial means the fall-backs run in a circle.
    for (int tries = 0; tries < 4; ++tries) {
        const Trial trial = Try(d, mouse, text, screen);
        if (!trial.fallBack)
            return {d, trial.position};
        d = *trial.fallBack;
    }
    const Size size = BubbleSize(text, preferred);
    const Point p = Try(preferred, mouse, text, screen).position;
    return {preferred, {std::clamp(p.x, 0, std::max(0, screen.cx - size.cx)),
                        std::clamp(p.y, 0, std::max(0, screen.cy - size.cy))}};
}

}  // namespace vx::widgets
