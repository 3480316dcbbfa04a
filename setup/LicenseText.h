#pragma once
#include <string>

namespace vx::setup {

// The licence agreement and disclaimer the setup asks the user to accept.
const std::string& LicenseText();

}  // namespace vx::setup
