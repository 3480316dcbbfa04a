#include "ui/Image.h"

#include "ui/Canvas.h"

namespace vx::ui {

void Image::SetPicture(std::optional<Bitmap> picture)
{
    picture_ = std::move(picture);
    FitToPicture();
    Invalidate();
}

void Image::SetAutoSize(bool autoSize)
{
    autoSize_ = autoSize;
    FitToPicture();
}

void Image::Set(bool& field, bool value)
{
    field = value;
    Invalidate();
}

void Image::FitToPicture()
{
    if (autoSize_ && picture_ && !picture_->Empty())
        SetBounds(Left(), Top(), picture_->Width(), picture_->Height());
}

void Image::Paint(Canvas& canvas)
{
    if (!picture_ || picture_->Empty())
        return;
    Bitmap& picture = *picture_;
    if (stretch_) {
        canvas.CopyRect(ClientRect(), picture.GetCanvas(), picture.Bounds());
        return;
    }
    const int x = center_ ? (Width() - picture.Width()) / 2 : 0;
    const int y = center_ ? (Height() - picture.Height()) / 2 : 0;
    if (transparent_)
        canvas.DrawTransparent(x, y, picture, picture.Pixel(0, picture.Height() - 1));
    else
        canvas.Draw(x, y, picture);
}

}  // namespace vx::ui
