#pragma once
// Mouse messages as portable mouse events.
#include <windows.h>

#include <optional>

#include "ui/Input.h"

namespace vx::ui::win32 {

// nullopt for messages that are not button or move messages. The position stays
// in the receiving window's client coordinates.
std::optional<MouseEvent> MouseEventFromMessage(UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace vx::ui::win32
