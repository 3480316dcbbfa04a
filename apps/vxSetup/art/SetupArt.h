#pragma once
// The setup program's pictures, drawn by code in the main program's style: the
// vertical banner down each page's left edge, the logo of the options page and
// three small advertisements for what the program does.
#include "apps/velocitrex/art/Raster.h"
#include "ui/Bitmap.h"

namespace vx::setup::art {

inline constexpr int BannerWidth = 59;
inline constexpr int BannerHeight = 321;
inline constexpr int AdWidth = 96;
inline constexpr int AdHeight = 60;
inline constexpr int LogoWidth = 200;
inline constexpr int LogoHeight = 44;

vx::art::Raster BannerPicture();
vx::art::Raster LogoPicture();
// index 0 to 2: "FASTER WEB", "SAFE UNDO", "ONE CLICK".
vx::art::Raster AdPicture(int index);

ui::Bitmap BannerBitmap();
ui::Bitmap LogoBitmap();
ui::Bitmap AdBitmap(int index);

}  // namespace vx::setup::art

#include "setup/forms/SetupPictures.h"

namespace vx::setup::art {

// Everything the resource form holds.
SetupPictures SetupPictures();

}  // namespace vx::setup::art
