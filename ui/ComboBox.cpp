#include "ui/ComboBox.h"

#include <algorithm>

namespace vx::ui {

ComboBox::ComboBox(Control* parent) : NativeControl(parent)
{
    SetColor(clWindow);
}

void ComboBox::SetStyle(ComboStyle style)
{
    style_ = style;
    Changed(Change::Style);
}

void ComboBox::SetItems(std::vector<std::string> items)
{
    items_ = std::move(items);
    itemIndex_ = -1;
    if (style_ == ComboStyle::DropDownList)
        text_.clear();
    Changed(Change::Items);
}

int ComboBox::IndexOf(const std::string& text) const
{
    const auto it = std::find(items_.begin(), items_.end(), text);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void ComboBox::SetItemIndex(int index)
{
    Select(index);
}

void ComboBox::SetText(std::string text)
{
    if (style_ == ComboStyle::DropDownList) {
        Select(IndexOf(text));
        return;
    }
    // The choice stays only while the text still is that item.
    if (itemIndex_ >= 0 && items_[static_cast<std::size_t>(itemIndex_)] != text) {
        itemIndex_ = -1;
        Changed(Change::ItemIndex);
    }
    text_ = std::move(text);
    Changed(Change::Text);
}

void ComboBox::NativeItemChosen(int index)
{
    Select(index);
    UserChanged();
}

void ComboBox::NativeTextChanged(std::string text)
{
    if (style_ == ComboStyle::DropDownList || text == text_)
        return;
    text_ = std::move(text);
    itemIndex_ = -1;
    UserChanged();
}

void ComboBox::Select(int index)
{
    if (index < 0 || index >= static_cast<int>(items_.size())) {
        itemIndex_ = -1;
        if (style_ == ComboStyle::DropDownList)
            text_.clear();
    } else {
        itemIndex_ = index;
        text_ = items_[static_cast<std::size_t>(index)];
    }
    Changed(Change::ItemIndex);
    Changed(Change::Text);
}

void ComboBox::UserChanged()
{
    if (OnChange)
        OnChange();
}

}  // namespace vx::ui
