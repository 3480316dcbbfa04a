#pragma once

namespace vx::uninstall {

// Asks Windows to restart, with the shutdown privilege enabled where Windows has
// privileges; false when Windows refuses.
bool RestartWindows();

}  // namespace vx::uninstall
