#pragma once
// A popup menu and its items. Items are usually fields of their form, created
// with the menu they belong to; a caption of "-" is a separator.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/Geometry.h"

namespace vx::ui {

class PopupMenu;

class MenuItem {
public:
    explicit MenuItem(PopupMenu& menu);
    ~MenuItem();
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    std::function<void()> OnClick;

    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption) { caption_ = std::move(caption); }
    bool Visible() const { return visible_; }
    void SetVisible(bool visible) { visible_ = visible; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }
    bool IsSeparator() const { return caption_ == "-"; }

    void Click();

private:
    PopupMenu& menu_;
    std::string name_;
    std::string caption_;
    bool visible_ = true;
    bool enabled_ = true;
};

class PopupMenu {
public:
    PopupMenu() = default;
    PopupMenu(const PopupMenu&) = delete;
    PopupMenu& operator=(const PopupMenu&) = delete;

    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    const std::vector<MenuItem*>& Items() const { return items_; }
    MenuItem* FindItem(std::string_view name) const;

    // Shows the menu at a screen position and runs the chosen item's click.
    void Popup(Point screen);

private:
    friend class MenuItem;
    std::string name_;
    std::vector<MenuItem*> items_;
};

}  // namespace vx::ui
