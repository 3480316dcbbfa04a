#pragma once
// The two lines of information at the bottom of the tray menu.
#include <string>

namespace vx::dispatcher {

// The computer's name, or "Not Found" when Windows cannot tell.
std::string GetComputerNameText();

// The last address of the local host's address list; "" when the host name
// cannot be resolved.
std::string GetLocalIpAddressText();

}  // namespace vx::dispatcher
