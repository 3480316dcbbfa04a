#pragma once
// Renders forms, controls and the whole screen to pictures, with the native
// controls in the classic look, for tests to read pixels from and for people to
// look at.
#include <string>

#include "ui/Bitmap.h"

namespace vx::ui {

class Control;
class Form;
class HostBackend;

// The client area, as the window would show it. Outside a window region the
// picture keeps outside (the desktop colour by default).
Bitmap RenderForm(Form& form, Color outside = Rgb(0, 128, 128));
// A control's area of its form's rendering.
Bitmap RenderControl(Control& control);
// The host's screen: the desktop, then every shown window from the bottom up,
// framed windows with a classic frame and title bar (the active one in the
// active caption colour), each inside its window region.
Bitmap RenderScreen(HostBackend& host, Color desktop = Rgb(0, 128, 128));
// Saves a picture as directory/name.bmp, creating the directory; returns the path
// written, or "" when the file could not be written.
std::string SaveRendering(const Bitmap& picture, const std::string& directory, const std::string& name);

}  // namespace vx::ui
