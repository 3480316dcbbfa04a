#pragma once
// What every page of the setup shares: a fixed dialog without title-bar buttons,
// centred, laid out in pixels for 120 pixels per inch (the framework never
// scales), with the banner down its left edge.
#include <string>

#include "ui/CheckBox.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "widgets/JLAqua.h"

namespace vx::setup {

inline constexpr int BannerLeft = 0;
inline constexpr int PageLeft = 72;  // where the page's own controls begin

void StylePage(ui::Form& page, const char* name, const char* caption, int width, int height);
// The text font at 120 pixels per inch.
ui::Font PageFont();
void PlaceBanner(ui::Image& banner, int pageHeight);
void StyleButton(widgets::TJLAqua& button, const char* name, const char* caption, int left, int top);
// A check box with its caption in a label beside it; a click on the label
// toggles the box, as on a caption of its own.
void PairCheckBox(ui::CheckBox& box, ui::Label& label, const char* boxName, const char* labelName, const char* text,
                  int left, int top);
// Copies the banner of the resource form.
void CopyBanner(ui::Image& banner);

}  // namespace vx::setup
