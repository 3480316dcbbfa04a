#pragma once
// Where the advanced page's groups and their buttons sit: three columns of group
// boxes, each column filled from top to bottom with its groups, the rows of
// buttons spaced alike within a column.
#include <array>

#include "apps/velocitrex/art/Raster.h"
#include "wizard/AdvancedGroups.h"

namespace vx::wizard {

struct AdvancedGroupPlace {
    art::Box box;  // the group box, in window coordinates
    int firstRowTop;  // of its first button, in the group box
    int rowPitch;
};

// The column (0 left, 1 middle, 2 right) a group stands in.
int ColumnOf(AdvancedGroup group);
std::array<AdvancedGroupPlace, AdvancedGroupCount> AdvancedGroupPlaces();
// A button row of a group, in the group box's coordinates.
art::Box ButtonRow(const AdvancedGroupPlace& place, int row);
// The entry beside a row's button ("Manual Setting" and its figure), same coordinates.
art::Box EntryBeside(const AdvancedGroupPlace& place, int row);
// An entry on the row under a button, in line with its caption.
art::Box EntryBelow(const AdvancedGroupPlace& place, int row);

}  // namespace vx::wizard
