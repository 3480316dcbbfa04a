#include "widgets/AHMCheckbox.h"

#include "ui/Canvas.h"

namespace vx::widgets {

using ui::Change;
using ui::TextFormat;

namespace {

constexpr int Inset = 6;
constexpr int BoxSpace = 12;

}  // namespace

TAHMCheckbox::TAHMCheckbox(ui::Control* parent) : CheckBox(parent)
{
    font3d_.OnChange = [this] { Refresh(); };
    SetBounds(0, 0, 120, 22);
}

void TAHMCheckbox::SetAlignment(TAlignment alignment)
{
    alignment_ = alignment;
    Refresh();
}

void TAHMCheckbox::SetAlignButton(TAlignment side)
{
    alignButton_ = side;
    ApplyStyle();
}

void TAHMCheckbox::SetAsButton(bool on)
{
    asButton_ = on;
    ApplyStyle();
}

void TAHMCheckbox::SetButtonSunk(bool on)
{
    buttonSunk_ = on;
    ApplyStyle();
}

void TAHMCheckbox::ApplyStyle()
{
    SetPushLike(asButton_);
    SetSunken(asButton_ && buttonSunk_);
    SetBoxOnRight(alignButton_ == TAlignment::taRightJustify);
    Refresh();
}

ui::Rect TAHMCheckbox::CaptionRect() const
{
    ui::Rect r = ClientRect().Inflated(-Inset, -Inset);
    if (!asButton_) {
        if (alignButton_ == TAlignment::taRightJustify)
            r.right -= BoxSpace;
        else
            r.left += BoxSpace;
    }
    return r;
}

ui::Bitmap TAHMCheckbox::PaintPicture() const
{
    ui::Bitmap picture(std::max(Width(), 1), std::max(Height(), 1));
    picture.Fill(ui::ColorToRgb(GetColor()));
    ui::Canvas& canvas = picture.GetCanvas();
    if (Background())
        Background()->Draw(canvas, Width(), Height(), true);
    canvas.font = GetFont();
    TextFormat format = TextFormat::ExpandTabs | TextFormat::VCenter | TextFormat::EndEllipsis;
    format |= WordWrap() ? TextFormat::WordBreak : TextFormat::SingleLine;
    if (alignment_ == TAlignment::taCenter)
        format |= TextFormat::Center;
    else if (alignment_ == TAlignment::taRightJustify)
        format |= TextFormat::Right;
    DrawText3D(font3d_, canvas, true, format, Caption(), CaptionRect());
    return picture;
}

void TAHMCheckbox::Refresh()
{
    if (refreshing_)
        return;
    refreshing_ = true;
    SetPicture(PaintPicture());
    refreshing_ = false;
}

void TAHMCheckbox::Changed(Change change)
{
    CheckBox::Changed(change);
    switch (change) {
    case Change::Bounds:
    case Change::Caption:
    case Change::TextFont:
    case Change::BackColor:
    case Change::Style: Refresh(); break;
    default: break;
    }
}

}  // namespace vx::widgets
