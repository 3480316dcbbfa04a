#pragma once
// A windowless picture. Transparent leaves out the pixels of the picture's
// bottom-left colour; Stretch fills the control; AutoSize takes the picture's size.
#include <optional>

#include "ui/Bitmap.h"
#include "ui/GraphicControl.h"

namespace vx::ui {

class Image : public GraphicControl {
public:
    using GraphicControl::GraphicControl;

    const std::optional<Bitmap>& Picture() const { return picture_; }
    void SetPicture(std::optional<Bitmap> picture);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool stretch) { Set(stretch_, stretch); }
    bool Center() const { return center_; }
    void SetCenter(bool center) { Set(center_, center); }
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent) { Set(transparent_, transparent); }
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);

protected:
    void Paint(Canvas& canvas) override;

private:
    void Set(bool& field, bool value);
    void FitToPicture();

    std::optional<Bitmap> picture_;
    bool stretch_ = false;
    bool center_ = false;
    bool transparent_ = false;
    bool autoSize_ = false;
};

}  // namespace vx::ui
