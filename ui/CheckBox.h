#pragma once
// A check box. Its click event runs whenever Checked changes, by the user or by
// program code. It can show a picture instead of its caption and look like a push
// button that stays down while checked.
#include <optional>

#include "ui/Bitmap.h"
#include "ui/NativeControl.h"

namespace vx::ui {

class CheckBox : public NativeControl {
public:
    using NativeControl::NativeControl;
    NativeKind Kind() const override { return NativeKind::CheckBox; }

    bool Checked() const { return checked_; }
    void SetChecked(bool checked);

    // Drawn as a push button (BS_PUSHLIKE), with a sunken client edge when Sunken.
    bool PushLike() const { return pushLike_; }
    void SetPushLike(bool pushLike) { SetStyle(pushLike_, pushLike); }
    bool Sunken() const { return sunken_; }
    void SetSunken(bool sunken) { SetStyle(sunken_, sunken); }
    // The box on the right of the text.
    bool BoxOnRight() const { return boxOnRight_; }
    void SetBoxOnRight(bool right) { SetStyle(boxOnRight_, right); }
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wrap) { SetStyle(wordWrap_, wrap); }

    // Shown instead of the caption (BS_BITMAP); nullopt: the caption.
    const std::optional<Bitmap>& Picture() const { return picture_; }
    void SetPicture(std::optional<Bitmap> picture);

    // Called by a backend: the user clicked the box.
    void NativeClick() { SetChecked(!checked_); }

protected:
    bool DialogChar(char c) override;

private:
    void SetStyle(bool& flag, bool value);

    bool checked_ = false;
    bool pushLike_ = false;
    bool sunken_ = false;
    bool boxOnRight_ = false;
    bool wordWrap_ = false;
    std::optional<Bitmap> picture_;
};

}  // namespace vx::ui
