#include "ui/ListBox.h"

namespace vx::ui {

ListBox::ListBox(Control* parent) : NativeControl(parent)
{
    SetColor(clWindow);
}

void ListBox::SetItems(std::vector<std::string> items)
{
    items_ = std::move(items);
    indents_.clear();
    itemIndex_ = -1;
    Changed(Change::Items);
}

void ListBox::SetItemIndex(int index)
{
    itemIndex_ = index >= 0 && index < static_cast<int>(items_.size()) ? index : -1;
    Changed(Change::ItemIndex);
}

void ListBox::NativeItemChosen(int index)
{
    SetItemIndex(index);
    if (itemIndex_ >= 0)
        ItemChosen();
}

void ListBox::ItemChosen()
{
    Click();
}

}  // namespace vx::ui
