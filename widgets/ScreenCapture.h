#pragma once
// A copy of what the screen shows in a rectangle, for windows that draw over it.
// On Windows the real screen; elsewhere a plain face-coloured area unless a
// test or the gallery installs a capture of its own.
#include "platform/CurrentService.h"
#include "ui/Bitmap.h"

namespace vx::widgets {

class ScreenCapture {
public:
    virtual ~ScreenCapture() = default;
    virtual ui::Bitmap Capture(const ui::Rect& screen) = 0;
};

// Fills the copy with one colour.
class PlainScreenCapture : public ScreenCapture {
public:
    explicit PlainScreenCapture(ui::Color color = ui::clBtnFace) : color_(color) {}
    ui::Bitmap Capture(const ui::Rect& screen) override;

private:
    ui::Color color_;
};

inline ui::Bitmap CaptureScreen(const ui::Rect& screen)
{
    return platform::CurrentService<ScreenCapture>::Get().Capture(screen);
}

}  // namespace vx::widgets
