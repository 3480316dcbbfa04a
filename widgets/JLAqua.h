#pragma once
// The glossy gel button: concentric shapes in shades of one body colour, lighter
// under the mouse, the highlight shifted while pressed.
#include "ui/GraphicButton.h"
#include "ui/Region.h"

namespace vx::widgets {

enum class TJLAquaType { bsOrb, bsButton };
enum class TJLCustomColor {
    ccNone,
    ccPaleBlue,
    ccNeonBlue,
    ccNeonGreen,
    ccNeonPink,
    ccOrange,
    ccViolet,
    ccRose,
    ccPepermint,
    ccBurntOrange,
    ccBrown,
};

ui::Color CustomColorValue(TJLCustomColor color);

enum class AquaState { Normal = 0, Pressed = 1, Hover = 3 };

class TJLAqua : public ui::GraphicButton {
public:
    explicit TJLAqua(ui::Control* parent = nullptr);

    bool CaptionMouseOver() const { return captionMouseOver_; }
    void SetCaptionMouseOver(bool on) { Update(captionMouseOver_, on); }
    bool ButtonActive() const { return buttonActive_; }
    void SetButtonActive(bool on) { Update(buttonActive_, on); }
    ui::Color BackgroundError() const { return backgroundError_; }
    void SetBackgroundError(ui::Color c) { Update(backgroundError_, c); }
    ui::Color ButtonColor() const { return buttonColor_; }
    void SetButtonColor(ui::Color c) { Update(buttonColor_, c); }
    TJLAquaType ButtonShape() const { return shape_; }
    void SetButtonShape(TJLAquaType shape) { Update(shape_, shape); }
    ui::Color FontColor() const { return fontColor_; }
    void SetFontColor(ui::Color c) { Update(fontColor_, c); }
    TJLCustomColor CustomColor() const { return customColor_; }
    void SetCustomColor(TJLCustomColor c) { Update(customColor_, c); }
    bool SmallCorners() const { return smallCorners_; }
    void SetSmallCorners(bool on) { Update(smallCorners_, on); }

    AquaState State() const { return state_; }
    bool Hits(ui::Point p) const;
    // The body colour V for a background colour.
    ui::Color BodyColor(ui::Color background) const;

protected:
    void Paint(ui::Canvas& canvas) override;
    void MouseDown(ui::MouseButton button, ui::ShiftState shift, ui::Point pos) override;
    void MouseMove(ui::ShiftState shift, ui::Point pos) override;
    void MouseUp(ui::MouseButton button, ui::ShiftState shift, ui::Point pos) override;
    void MouseLeave() override;

private:
    template <class T>
    void Update(T& field, T value)
    {
        field = value;
        Invalidate();
    }
    void SetState(AquaState state);
    void PaintCaption(ui::Canvas& canvas, ui::Color background, ui::Color body);

    bool captionMouseOver_ = false;
    bool buttonActive_ = false;
    ui::Color backgroundError_ = ui::clBtnFace;
    ui::Color buttonColor_ = ui::clBlue;
    TJLAquaType shape_ = TJLAquaType::bsButton;
    ui::Color fontColor_ = ui::clBlack;
    TJLCustomColor customColor_ = TJLCustomColor::ccNone;
    bool smallCorners_ = false;
    AquaState state_ = AquaState::Normal;
    bool mouseDown_ = false;
};

}  // namespace vx::widgets
