#pragma once
// Applying the stored profile to the TCP/IP parameters, and the way back.
#include <vector>

#include "engine/vxOriginalSettings.h"

namespace vx {

// Writes every preference into the system values in a fixed order, journalling
// each earlier value, and marks the profile applied. Single failed writes do not
// stop the sequence.
void ApplyStoredProfile();

// The undo path: RestoreAllSettings, then ResetPreferences. False when some
// journalled value could not be written back (its record is kept). Records that
// could not be restored at all are added to `skipped`.
bool UndoAppliedProfile(std::vector<SkippedRecord>* skipped = nullptr);

}  // namespace vx
