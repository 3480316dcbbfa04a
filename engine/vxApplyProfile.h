#pragma once
// Applying the stored profile to the TCP/IP parameters, and the way back.
#include <vector>

#include "engine/vxOriginalSettings.h"

namespace vx {

// Writes every preference into the system values in a fixed order, journalling
// each earlier value, and marks the profile applied. Single failed writes do not
// stop the sequence. Returns how many parameter writes the registry refused (a
// user without administrator rights on NT, 2000 and XP); a write into a key that
// is absent (the NDI cache, a machine without NetBIOS) does not count.
int ApplyStoredProfile();

// The undo path: RestoreAllSettings, then ResetPreferences. False when some
// journalled value could not be written back (its record is kept). Records that
// could not be restored at all are added to `skipped`.
bool UndoAppliedProfile(std::vector<SkippedRecord>* skipped = nullptr);

}  // namespace vx
