#include "wizard/AdvancedLayout.h"

#include <algorithm>

#include "apps/velocitrex/art/Layout.h"

namespace vx::wizard {

namespace {

constexpr int CaptionSpace = 17;  // the caption in the top edge, then a little air
constexpr int BottomSpace = 7;
constexpr int GroupGap = 6;
constexpr int LargestPitch = 20;
constexpr int RowHeight = 16;
constexpr int SideSpace = 8;
constexpr int EntryLeft = 112;
constexpr int BelowIndent = 18;  // under the button's caption, past its circle
constexpr int BelowWidth = 96;

// The MTU group gives its list a row of its own under "Manual Setting".
int RowsOf(AdvancedGroup group)
{
    const int buttons = static_cast<int>(GroupInfo(group).buttons.size());
    return group == AdvancedGroup::Mtu ? buttons + 1 : buttons;
}

}  // namespace

int ColumnOf(AdvancedGroup group)
{
    switch (group) {
    case AdvancedGroup::Mtu:
    case AdvancedGroup::Line: return 0;
    case AdvancedGroup::Rwin:
    case AdvancedGroup::Ndi:
    case AdvancedGroup::Sack:
    case AdvancedGroup::PmtuDiscovery: return 1;
    default: return 2;
    }
}

// Each column's rows get the widest pitch that lets its groups fill it; the last
// group reaches the column's foot, so the three columns end level.
std::array<AdvancedGroupPlace, AdvancedGroupCount> AdvancedGroupPlaces()
{
    std::array<AdvancedGroupPlace, AdvancedGroupCount> places{};
    for (int column = 0; column < 3; ++column) {
        const art::Box area = art::layout::advanced::Column(column);
        int groups = 0;
        int rows = 0;
        for (int g = 0; g < AdvancedGroupCount; ++g) {
            if (ColumnOf(static_cast<AdvancedGroup>(g)) == column) {
                ++groups;
                rows += RowsOf(static_cast<AdvancedGroup>(g));
            }
        }
        const int fixed = groups * (CaptionSpace + BottomSpace) + (groups - 1) * GroupGap;
        const int pitch = std::min(LargestPitch, (area.Height() - fixed) / rows);
        int top = area.top;
        int last = -1;
        for (int g = 0; g < AdvancedGroupCount; ++g) {
            if (ColumnOf(static_cast<AdvancedGroup>(g)) != column)
                continue;
            const int height = CaptionSpace + RowsOf(static_cast<AdvancedGroup>(g)) * pitch + BottomSpace;
            places[static_cast<std::size_t>(g)] = {{area.left, top, area.right, top + height}, CaptionSpace, pitch};
            top += height + GroupGap;
            last = g;
        }
        places[static_cast<std::size_t>(last)].box.bottom = area.bottom;
    }
    return places;
}

art::Box ButtonRow(const AdvancedGroupPlace& place, int row)
{
    const int top = place.firstRowTop + row * place.rowPitch + (place.rowPitch - RowHeight) / 2;
    return {SideSpace, top, place.box.Width() - SideSpace, top + RowHeight};
}

art::Box EntryBeside(const AdvancedGroupPlace& place, int row)
{
    const art::Box button = ButtonRow(place, row);
    const int middle = (button.top + button.bottom) / 2;
    return {EntryLeft, middle - 10, button.right, middle + 10};
}

art::Box EntryBelow(const AdvancedGroupPlace& place, int row)
{
    const art::Box below = ButtonRow(place, row + 1);
    const int middle = (below.top + below.bottom) / 2;
    return {below.left + BelowIndent, middle - 10, below.left + BelowIndent + BelowWidth, middle + 10};
}

}  // namespace vx::wizard
