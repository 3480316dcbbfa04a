#pragma once
// Switches the drawing layer to GDI: system colours from GetSysColor and bitmaps
// as DIB sections with GdiCanvas. Called once at program start-up by the win32
// backend (and by Windows tests); without it the portable defaults stay.
namespace vx::ui::win32 {

void InstallGdiDrawing();
// Back to the host colours and memory bitmaps (for tests).
void UninstallGdiDrawing();

}  // namespace vx::ui::win32
