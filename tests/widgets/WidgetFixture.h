#pragma once
// A shown form on the headless backend with a simulated user, and a helper that
// paints one windowless control on a plain picture.
#include <gtest/gtest.h>

#include "ui/Application.h"
#include "ui/Bitmap.h"
#include "ui/Canvas.h"
#include "ui/Form.h"
#include "ui/GraphicControl.h"
#include "ui/host/HostBackend.h"
#include "ui/host/HostUser.h"

namespace vx::widgets {

class WidgetFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        form.SetBorderStyle(ui::BorderStyle::None);  // client area at the window position
        form.SetBounds(100, 100, 400, 300);
        form.Show();
    }

    ui::HostBackend host;
    ui::Application app{host};
    ui::HostUser user{host};
    ui::Form form;
};

// The control painted alone over a background of one colour.
inline ui::Bitmap PaintAlone(ui::GraphicControl& control, ui::Color background = ui::clWhite)
{
    ui::Bitmap picture(control.Width(), control.Height());
    picture.Fill(background);
    control.PaintOn(picture.GetCanvas());
    return picture;
}

}  // namespace vx::widgets
