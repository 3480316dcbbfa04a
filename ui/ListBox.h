#pragma once
// A list of texts with one selected item (-1: none). OnClick runs when the user
// selects an item.
#include <string>
#include <vector>

#include "ui/NativeControl.h"

namespace vx::ui {

class ListBox : public NativeControl {
public:
    explicit ListBox(Control* parent = nullptr);
    NativeKind Kind() const override { return NativeKind::ListBox; }
    // The arrows work inside it.
    bool WantsKey(Key key) const override { return IsArrow(key); }

    const std::vector<std::string>& Items() const { return items_; }
    void SetItems(std::vector<std::string> items);
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);
    // Indentation of each item in pixels (a directory tree's levels); empty: none.
    const std::vector<int>& Indents() const { return indents_; }
    void SetIndents(std::vector<int> indents) { indents_ = std::move(indents); }

    // Called by a backend: the user selected an item.
    void NativeItemChosen(int index);

protected:
    // The user chose an item; the default runs OnClick.
    virtual void ItemChosen();

private:
    std::vector<std::string> items_;
    std::vector<int> indents_;
    int itemIndex_ = -1;
};

}  // namespace vx::ui
