#include "widgets/ScreenCapture.h"

#include <algorithm>

namespace vx::widgets {

ui::Bitmap PlainScreenCapture::Capture(const ui::Rect& screen)
{
    ui::Bitmap copy(std::max(screen.Width(), 0), std::max(screen.Height(), 0));
    copy.Fill(ui::ColorToRgb(color_));
    return copy;
}

}  // namespace vx::widgets
