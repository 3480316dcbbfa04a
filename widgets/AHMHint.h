#pragma once
// The application's tooltip style: installs the bubble hint window for the whole
// application and carries its settings. At most one exists at a time.
#include <functional>

#include "ui/Font.h"
#include "widgets/AHMBackground.h"
#include "widgets/AHMFont3D.h"
#include "widgets/HintPlacement.h"

namespace vx::ui {
class Control;
}

namespace vx::widgets {

class TAHMHint {
public:
    // Throws std::logic_error when another one exists.
    TAHMHint();
    ~TAHMHint();
    TAHMHint(const TAHMHint&) = delete;
    TAHMHint& operator=(const TAHMHint&) = delete;

    // The one in the application, or nullptr.
    static TAHMHint* Instance();

    std::function<void(ui::Control* control, TAHMDirection& direction)> OnSelectHintDirection;

    TAHMFont3D& Font3D() { return font3d_; }
    const TAHMFont3D& Font3D() const { return font3d_; }
    bool Speechbubble() const { return speechbubble_; }
    void SetSpeechbubble(bool on) { speechbubble_ = on; }
    bool Shadow() const { return shadow_; }
    void SetShadow(bool on) { shadow_ = on; }
    TAHMDirection HintDirection() const { return direction_; }
    void SetHintDirection(TAHMDirection d) { direction_ = d; }
    // The transparency key of the bubble's drawing: it marks the inside of the
    // bubble and is never seen, so it must not occur on the screen under a hint.
    ui::Color UnUsedHintColor() const { return unusedColor_; }
    void SetUnUsedHintColor(ui::Color c) { unusedColor_ = c; }
    ui::Color HintShadowColor() const { return shadowColor_; }
    void SetHintShadowColor(ui::Color c) { shadowColor_ = c; }
    const ui::Font& HintFont() const { return font_; }
    // Re-creates the hint window with the font.
    void SetHintFont(const ui::Font& font);
    int HintPauseTime() const { return pauseTime_; }
    void SetHintPauseTime(int ms);
    TAHMBackground* Background() const { return background_.Get(); }
    void SetBackground(TAHMBackground* background) { background_.Set(background); }

    // The direction to try first for a hint of control.
    TAHMDirection StartDirection(ui::Control* control) const;

private:
    void Install();

    TAHMFont3D font3d_;
    bool speechbubble_ = false;
    bool shadow_ = true;
    TAHMDirection direction_ = TAHMDirection::dUpRight;
    ui::Color unusedColor_ = ui::clLime;
    ui::Color shadowColor_ = ui::clBlack;
    ui::Font font_;
    int pauseTime_ = 600;
    BackgroundLink background_{[] {}};
};

}  // namespace vx::widgets
