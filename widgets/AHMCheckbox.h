#pragma once
// A check box that paints its caption, background and text effect into a
// picture and hands the picture to the standard check box as its image.
#include "ui/CheckBox.h"
#include "widgets/AHMBackground.h"
#include "widgets/AHMFont3D.h"

namespace vx::widgets {

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

class TAHMCheckbox : public ui::CheckBox {
public:
    explicit TAHMCheckbox(ui::Control* parent = nullptr);

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    // taRightJustify puts the box on the right of the text.
    TAlignment AlignButton() const { return alignButton_; }
    void SetAlignButton(TAlignment side);
    TAHMFont3D& Font3D() { return font3d_; }
    TAHMBackground* Background() const { return background_.Get(); }
    void SetBackground(TAHMBackground* background) { background_.Set(background); }
    bool AsButton() const { return asButton_; }
    void SetAsButton(bool on);
    bool ButtonSunk() const { return buttonSunk_; }
    void SetButtonSunk(bool on);

    // The image handed to the check box: the client area with background and caption.
    ui::Bitmap PaintPicture() const;
    ui::Rect CaptionRect() const;

protected:
    void Changed(ui::Change change) override;

private:
    void ApplyStyle();
    void Refresh();

    TAlignment alignment_ = TAlignment::taLeftJustify;
    TAlignment alignButton_ = TAlignment::taLeftJustify;
    TAHMFont3D font3d_;
    BackgroundLink background_{[this] { Refresh(); }};
    bool asButton_ = false;
    bool buttonSunk_ = true;
    bool refreshing_ = false;
};

}  // namespace vx::widgets
