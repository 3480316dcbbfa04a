#include "ui/host/FormRenderer.h"

#include <filesystem>
#include <vector>
#include <system_error>

#include "ui/Canvas.h"
#include "ui/Form.h"
#include "ui/Frame3D.h"
#include "ui/host/ClassicPainter.h"
#include "ui/host/HostBackend.h"
#include "ui/host/HostPeers.h"

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

namespace {

// The frame and title bar around a framed window's client area.
void PaintFrame(Canvas& screen, const Form& form, const Rect& window, bool active)
{
    screen.brush = Brush{clBtnFace, BrushStyle::Solid};
    screen.FillRect(window);
    DrawEdge(screen, window, Edge::Raised);
    const Rect title{window.left + 3, window.top + 3, window.right - 3, window.top + 21};
    screen.brush = Brush{active ? SysColorRef(SystemColor::ActiveCaption) : SysColorRef(SystemColor::InactiveCaption),
                         BrushStyle::Solid};
    screen.FillRect(title);
    screen.font = Font{};
    screen.font.bold = true;
    screen.font.color = SysColorRef(active ? SystemColor::CaptionText : SystemColor::InactiveCaptionText);
    screen.brush.style = BrushStyle::Clear;
    screen.DrawText(title.Inflated(-3, 0), form.Caption(), TextFormat::Left | TextFormat::SingleLine | TextFormat::VCenter);
}

}  // namespace

Bitmap RenderScreen(HostBackend& host, Color desktop)
{
    const Size size = host.ScreenSize();
    Bitmap screen(size.cx, size.cy);
    screen.Fill(desktop);
    Canvas& canvas = screen.GetCanvas();
    const std::vector<HostFormPeer*> windows = host.WindowsTopFirst();
    const Form* active = host.ActiveForm();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
        Form& form = (*it)->GetForm();
        const Point client = (*it)->ClientOrigin();
        if (client.x != form.Left() || client.y != form.Top()) {
            const Rect window{form.Left(), form.Top(), client.x + form.ClientWidth() + (client.x - form.Left()),
                              client.y + form.ClientHeight() + (client.x - form.Left())};
            PaintFrame(canvas, form, window, &form == active);
        }
        if (form.WindowRegion()) {
            Region shape = *form.WindowRegion();
            shape.Offset(client.x, client.y);
            canvas.SetClip(shape);
        }
        canvas.Draw(client.x, client.y, RenderForm(form));
        canvas.ClearClip();
    }
    return screen;
}

std::string SaveRendering(const Bitmap& picture, const std::string& directory, const std::string& name)
{
    std::error_code error;
    std::filesystem::create_directories(directory, error);
    const std::string path = (std::filesystem::path(directory) / (name + ".bmp")).string();
    return picture.SaveBmp(path) ? path : std::string();
}

}  // namespace vx::ui
