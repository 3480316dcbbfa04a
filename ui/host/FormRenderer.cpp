#include "ui/host/FormRenderer.h"

#include <filesystem>
#include <system_error>

#include "ui/Canvas.h"
#include "ui/Form.h"
#include "ui/host/ClassicPainter.h"

namespace vx::ui {

Bitmap RenderForm(Form& form, Color outside)
{
    Bitmap picture(form.ClientWidth(), form.ClientHeight());
    Canvas& canvas = picture.GetCanvas();
    ClassicPainter natives;
    if (form.WindowRegion()) {
        picture.Fill(outside);
        canvas.SetClip(*form.WindowRegion());
    }
    form.PaintClient(canvas, &natives);
    canvas.ClearClip();
    return picture;
}

Bitmap RenderControl(Control& control)
{
    Form* form = control.OwningForm();
    if (!form)
        return {};
    Bitmap whole = RenderForm(*form);
    const Rect area = control.BoundsInForm();
    Bitmap part(area.Width(), area.Height());
    part.GetCanvas().CopyRect(part.Bounds(), whole.GetCanvas(), area);
    return part;
}

std::string SaveRendering(const Bitmap& picture, const std::string& directory, const std::string& name)
{
    std::error_code error;
    std::filesystem::create_directories(directory, error);
    const std::string path = (std::filesystem::path(directory) / (name + ".bmp")).string();
    return picture.SaveBmp(path) ? path : std::string();
}

}  // namespace vx::ui
