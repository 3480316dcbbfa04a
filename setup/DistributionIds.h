#pragma once
#include <string>

namespace vx::setup {

// Stores the identifiers of "SID.txt", then the settings of "Defs.ini", both from
// `directory` (ending in a separator). A missing file writes nothing.
void ReadDistributionIds(const std::string& directory);

// The same for the setup program's own directory; nothing when it is unknown.
void ReadDistributionIds();

}  // namespace vx::setup
