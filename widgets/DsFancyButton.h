#pragma once
// The round or rounded push button with a bevel running from the frame colour at
// the edge to the button colour inside, and a caption in one of four styles.
#include "ui/GraphicButton.h"
#include "ui/Region.h"

namespace vx::widgets {

// Shared by every button of this kind (process-wide, platform::CurrentService):
// whether the last press with a button other than the right one landed inside a
// button's shape.
struct FancyButtonPress {
    bool landedInside = false;
};

enum class TFShape { shCapsule, shOval, shRectangle };
enum class TTextStyle { txNone, txLowered, txRaised, txShadowed };

class TDsFancyButton : public ui::GraphicButton {
public:
    static constexpr int MaxSide = 145;

    explicit TDsFancyButton(ui::Control* parent = nullptr);

    ui::Color ButtonColor() const { return buttonColor_; }
    void SetButtonColor(ui::Color c) { Update(buttonColor_, c); }
    ui::Color FrameColor() const { return frameColor_; }
    void SetFrameColor(ui::Color c) { Update(frameColor_, c); }
    int FrameWidth() const { return frameWidth_; }
    // At least 4, at most half the shorter side.
    void SetFrameWidth(int width);
    ui::Color DisabledFontColor() const { return disabledFontColor_; }
    void SetDisabledFontColor(ui::Color c) { Update(disabledFontColor_, c); }
    int CornerRadius() const { return cornerRadius_; }
    // At least 3, at most the shorter side.
    void SetCornerRadius(int radius);
    TFShape Shape() const { return shape_; }
    void SetShape(TFShape shape) { Update(shape_, shape); }
    TTextStyle TextStyle() const { return textStyle_; }
    void SetTextStyle(TTextStyle style) { Update(textStyle_, style); }

    bool IsPressed() const { return pressed_; }
    ui::Region ShapeRegion() const;
    // Bevel rings drawn: FrameWidth, made even.
    int RingCount() const { return frameWidth_ + frameWidth_ % 2; }
    ui::Region RingRegion(int ring) const;

protected:
    void Paint(ui::Canvas& canvas) override;
    void MouseDown(ui::MouseButton button, ui::ShiftState shift, ui::Point pos) override;
    void MouseUp(ui::MouseButton button, ui::ShiftState shift, ui::Point pos) override;
    void Click() override;
    bool DialogChar(char c) override;

private:
    template <class T>
    void Update(T& field, T value)
    {
        if (field == value)
            return;
        field = value;
        Invalidate();
    }
    void SetPressed(bool pressed);
    void PaintCaption(ui::Canvas& canvas);

    ui::Color buttonColor_ = ui::Rgb(128, 128, 128);
    ui::Color frameColor_ = ui::clBlack;
    int frameWidth_ = 15;
    ui::Color disabledFontColor_ = ui::clBlack;
    int cornerRadius_ = 10;
    TFShape shape_ = TFShape::shRectangle;
    TTextStyle textStyle_ = TTextStyle::txNone;
    bool pressed_ = false;
    bool mouseHeld_ = false;
};

}  // namespace vx::widgets
