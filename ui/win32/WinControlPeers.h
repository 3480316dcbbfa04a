#pragma once
// The peer of a native control of any kind.
#include <memory>

#include "ui/win32/WinControlPeer.h"

namespace vx::ui::win32 {

// Throws std::logic_error for a control whose class does not match its kind.
std::unique_ptr<WinControlPeer> CreateWinControlPeer(NativeControl& control, WinFormPeer& form);

}  // namespace vx::ui::win32
