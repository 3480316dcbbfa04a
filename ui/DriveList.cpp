#include "ui/DriveList.h"

#include <cctype>

#include "platform/DirectoryTree.h"

namespace vx::ui {

namespace {

std::string DriveItem(char drive)
{
    return {static_cast<char>(std::tolower(static_cast<unsigned char>(drive))), ':'};
}

}  // namespace

DriveList::DriveList(Control* parent) : ComboBox(parent)
{
    SetStyle(ComboStyle::DropDownList);
    Refresh();
}

void DriveList::Refresh()
{
    std::vector<std::string> items;
    for (char drive : platform::Directories().Drives())
        items.push_back(DriveItem(drive));
    SetItems(std::move(items));
    drive_ = 0;
}

void DriveList::SetDrive(char drive)
{
    const int index = IndexOf(DriveItem(drive));
    if (index < 0)
        return;
    SetItemIndex(index);
    FollowSelection();
}

void DriveList::FollowSelection()
{
    const char drive = ItemIndex() < 0 ? 0 : static_cast<char>(std::toupper(static_cast<unsigned char>(Text()[0])));
    if (drive == drive_)
        return;
    drive_ = drive;
    if (OnChange)
        OnChange();
}

}  // namespace vx::ui
