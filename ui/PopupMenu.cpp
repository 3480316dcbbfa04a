#include "ui/PopupMenu.h"

#include <algorithm>

#include "ui/Application.h"

namespace vx::ui {

MenuItem::MenuItem(PopupMenu& menu) : menu_(menu)
{
    menu_.items_.push_back(this);
}

MenuItem::~MenuItem()
{
    auto& items = menu_.items_;
    items.erase(std::remove(items.begin(), items.end(), this), items.end());
}

void MenuItem::Click()
{
    if (enabled_ && !IsSeparator() && OnClick)
        OnClick();
}

MenuItem* PopupMenu::FindItem(std::string_view name) const
{
    const auto it = std::find_if(items_.begin(), items_.end(), [name](const MenuItem* item) { return item->Name() == name; });
    return it == items_.end() ? nullptr : *it;
}

void PopupMenu::Popup(Point screen)
{
    if (MenuItem* chosen = Application::Current().GetBackend().TrackPopupMenu(*this, screen))
        chosen->Click();
}

}  // namespace vx::ui
