#pragma once
// Every picture of the main program, drawn by code (nothing is copied in). Each
// function returns the picture in the coordinates of the window or panel it
// belongs to: a window's picture covers the whole client area, a piece (the logo,
// a bar piece) covers exactly its place in its window.
#include "apps/velocitrex/art/Raster.h"

namespace vx::art {

// The main window (633 x 452), without its logo, which is a picture of its own.
Raster MainWindowPicture();
// The logo control's picture, at layout::wizard::Logo of the main window.
Raster LogoPicture();
// The automatic page (634 x 452) and the advanced page (635 x 452).
Raster AutomaticPagePicture();
Raster AdvancedPagePicture();

// The main window's panels (457 x 273 and headings of 457 x 64, panel coordinates).
Raster StartPanelPicture();
Raster ConnectionHeadingPicture();
Raster MethodHeadingPicture();

// The apply screen (339 x 203) and the pieces of its red bar: the left end
// (25 x 7), a segment (25 x 7, the same for imgRed2 to imgRed9) and the moving
// right end (36 x 7). Each piece is drawn at its first place on the track.
Raster ApplyScreenPicture();
Raster BarLeftPicture();
Raster BarSegmentPicture();
Raster BarCapPicture();

// The About box (339 x 203).
Raster AboutBoxPicture();

// The program's icon at 16, 32 or 48 pixels square, with transparency.
Raster IconPicture(int size);

}  // namespace vx::art
