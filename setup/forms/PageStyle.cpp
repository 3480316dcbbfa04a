#include "setup/forms/PageStyle.h"

#include "setup/forms/SetupForms.h"
#include "setup/forms/vxCustom.h"

namespace vx::setup {

void StylePage(ui::Form& page, const char* name, const char* caption, int width, int height)
{
    page.SetName(name);
    page.SetCaption(caption);
    page.SetBorderStyle(ui::BorderStyle::Dialog);
    page.SetTitleButtons(false);
    page.SetPosition(ui::FormPosition::ScreenCenter);
    page.SetClientSize(width, height);
    page.SetColor(ui::Rgb(236, 240, 246));
    page.SetFont(PageFont());
}

ui::Font PageFont()
{
    ui::Font font;
    font.name = "Tahoma";
    font.height = -13;  // 8 points at 120 pixels per inch
    font.color = ui::Rgb(20, 28, 44);
    return font;
}

void PlaceBanner(ui::Image& banner, int pageHeight)
{
    banner.SetName("imgVertical");
    banner.SetBounds(BannerLeft, 0, 59, pageHeight);
    banner.SetStretch(true);
}

void StyleButton(widgets::TJLAqua& button, const char* name, const char* caption, int left, int top)
{
    button.SetName(name);
    button.SetCaption(caption);
    button.SetBounds(left, top, 96, 32);
    button.SetButtonShape(widgets::TJLAquaType::bsButton);
    button.SetCustomColor(widgets::TJLCustomColor::ccPaleBlue);
    button.SetFontColor(ui::Rgb(10, 24, 60));
    button.SetTabStop(true);
}

void PairCheckBox(ui::CheckBox& box, ui::Label& label, const char* boxName, const char* labelName, const char* text,
                  int left, int top)
{
    box.SetName(boxName);
    label.SetName(labelName);
    box.SetBounds(left, top, 18, 20);
    box.SetChecked(true);
    label.SetBounds(left + 22, top + 2, 240, 18);
    label.SetCaption(text);
    label.SetTransparent(true);
    label.OnClick = [&box] { box.SetChecked(!box.Checked()); };
}

void CopyBanner(ui::Image& banner)
{
    banner.SetPicture(CurrentSetupForms().custom->imgVertical.Picture());
}

}  // namespace vx::setup
