#pragma once
// The main program's pictures and window outlines as the windows take them:
// ui::Bitmap for picture controls and shaped surfaces, and the outline as a
// region or as the stored "Data" record of TPlasmaRegion (a 4-byte count, then
// RGNDATA). Everything is drawn when asked for; nothing is read from files.
#include <cstdint>
#include <vector>

#include "apps/velocitrex/art/Raster.h"
#include "ui/Bitmap.h"
#include "ui/Region.h"

namespace vx::art {

ui::Bitmap ToBitmap(const Raster& raster);

// Pictures (see Pictures.h for sizes and places).
ui::Bitmap MainWindowBitmap();
ui::Bitmap LogoBitmap();
ui::Bitmap AutomaticPageBitmap();
ui::Bitmap AdvancedPageBitmap();
ui::Bitmap StartPanelBitmap();
ui::Bitmap ConnectionHeadingBitmap();
ui::Bitmap MethodHeadingBitmap();
ui::Bitmap ApplyScreenBitmap();
ui::Bitmap BarLeftBitmap();
ui::Bitmap BarSegmentBitmap();
ui::Bitmap BarCapBitmap();
ui::Bitmap AboutBoxBitmap();

// The 16 x 16 notification-area icon for TQV95TrayIcon: pixels of the
// bottom-left colour are transparent.
ui::Bitmap TrayIconBitmap();
constexpr ui::Color TrayIconKey = ui::Rgb(255, 0, 255);

// The colour of the wizard windows (Form Color): the push buttons paint their
// corners in it, and so blend into the well of the left column. The apply
// screen's colour is its own red, RGB 191, 0, 0, which its picture keeps flat
// around the buttons.
constexpr ui::Color WizardColor = ui::Rgb(0x0C, 0x0E, 0x13);
// What lies under the glossy buttons of the frame's header and footer, for
// their BackgroundError (the colour they use where the screen cannot be read).
constexpr ui::Color HeaderColor = ui::Rgb(0x1B, 0x1F, 0x28);
constexpr ui::Color FooterColor = ui::Rgb(0x16, 0x19, 0x20);

// Window outlines in client coordinates.
ui::Region WizardRegion();  // the main window and both pages
ui::Region ApplyScreenRegion();
ui::Region AboutBoxRegion();

// The same outlines as the record TPlasmaRegion::LoadData reads.
std::vector<std::uint8_t> MaskData(const ui::Region& region);

}  // namespace vx::art
