#pragma once
// A multi-stop colour gradient painted into a rectangle in one of thirteen
// geometric styles, step by step into an off-screen picture that is then copied
// onto the target in one piece.
#include <functional>
#include <string>
#include <vector>

#include "ui/Color.h"

namespace vx::ui {
class Canvas;
}

namespace vx::widgets {

enum class TAHMFillStyle {
    Circle,
    Horizontal,
    Vertical,
    LeftBottom,
    RoundMiddle,
    SquareMiddle,
    Spectral,
    DoppelFlash,
    Singleflash,
    MiddleHBar,
    MiddleVBar,
    VerticalDoppelBar,
    HorizontalDoppelBar,
};

// Step n of steps from c0 to c1; a channel that comes out 0 becomes 1.
ui::Color GradientStepColor(ui::Color c0, ui::Color c1, int n, int steps);
// The same step counted from the other end (the second pen of Spectral).
ui::Color GradientMirrorColor(ui::Color c0, ui::Color c1, int n, int steps);

class TAHMGradient {
public:
    // Runs after every assignment.
    std::function<void()> OnChange;

    ui::Color BeginColor() const { return beginColor_; }
    void SetBeginColor(ui::Color c);
    ui::Color EndColor() const { return endColor_; }
    void SetEndColor(ui::Color c);
    TAHMFillStyle FillStyle() const { return fillStyle_; }
    void SetFillStyle(TAHMFillStyle style);
    int ColorCount() const { return colorCount_; }
    // Values outside 2..255 are ignored.
    void SetColorCount(int count);
    const std::vector<std::string>& ColorsInBetween() const { return between_; }
    // Texts that name no colour are left out when drawing.
    void SetColorsInBetween(std::vector<std::string> colors);

    // The stops in drawing order; forward false puts the end colour first.
    std::vector<ui::Color> Stops(bool forward) const;
    void DrawGradient(ui::Canvas& target, int width, int height, bool forward) const;

private:
    void Notify();

    ui::Color beginColor_ = ui::clBtnShadow;
    ui::Color endColor_ = ui::clBtnHighlight;
    TAHMFillStyle fillStyle_ = TAHMFillStyle::Horizontal;
    int colorCount_ = 32;
    std::vector<std::string> between_;
};

}  // namespace vx::widgets
