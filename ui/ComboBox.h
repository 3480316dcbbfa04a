#pragma once
// A drop-down list: editable (DropDown: any text may be typed) or a fixed choice
// (DropDownList). ItemIndex is the selected item, -1 when the text is not an item
// chosen from the list. OnChange runs when the user changes the text or the choice.
#include <functional>
#include <string>
#include <vector>

#include "ui/NativeControl.h"

namespace vx::ui {

enum class ComboStyle { DropDown, DropDownList };

class ComboBox : public NativeControl {
public:
    explicit ComboBox(Control* parent = nullptr);
    NativeKind Kind() const override { return NativeKind::ComboBox; }
    // The arrows work inside it.
    bool WantsKey(Key key) const override { return IsArrow(key); }

    std::function<void()> OnChange;

    ComboStyle Style() const { return style_; }
    void SetStyle(ComboStyle style);
    const std::vector<std::string>& Items() const { return items_; }
    void SetItems(std::vector<std::string> items);
    // The index of the item with exactly this text, or -1.
    int IndexOf(const std::string& text) const;

    int ItemIndex() const { return itemIndex_; }
    // -1 clears the choice (and, for a fixed list, the text).
    void SetItemIndex(int index);
    const std::string& Text() const { return text_; }
    // A fixed list takes only the text of one of its items.
    void SetText(std::string text);

    // Called by a backend: the user chose an item, or typed a text.
    void NativeItemChosen(int index);
    void NativeTextChanged(std::string text);

protected:
    // The user changed the text or the choice; the default runs OnChange.
    virtual void UserChanged();

private:
    void Select(int index);

    ComboStyle style_ = ComboStyle::DropDown;
    std::vector<std::string> items_;
    int itemIndex_ = -1;
    std::string text_;
};

}  // namespace vx::ui
