#include "widgets/AHMBackground.h"

#include <algorithm>

#include "ui/Canvas.h"

namespace vx::widgets {

TAHMBackground::TAHMBackground()
{
    gradient_.OnChange = [this] { Changed(); };
}

TAHMBackground::~TAHMBackground()
{
    const std::vector<BackgroundUser*> users = users_;
    for (BackgroundUser* user : users)
        user->BackgroundRemoved(*this);
}

void TAHMBackground::SetStyle(TAHMBackgroundStyle style)
{
    style_ = style;
    Changed();
}

void TAHMBackground::SetColor(ui::Color color)
{
    color_ = color;
    Changed();
}

void TAHMBackground::Draw(ui::Canvas& target, int width, int height, bool forward) const
{
    if (style_ == TAHMBackgroundStyle::bGradient) {
        gradient_.DrawGradient(target, width, height, forward);
        return;
    }
    target.brush = ui::Brush{color_, ui::BrushStyle::Solid};
    target.FillRect({0, 0, width, height});
}

void TAHMBackground::AddUser(BackgroundUser& user)
{
    if (std::find(users_.begin(), users_.end(), &user) == users_.end())
        users_.push_back(&user);
}

void TAHMBackground::RemoveUser(BackgroundUser& user)
{
    std::erase(users_, &user);
}

void TAHMBackground::Changed()
{
    const std::vector<BackgroundUser*> users = users_;
    for (BackgroundUser* user : users)
        user->BackgroundChanged();
}

BackgroundLink::~BackgroundLink()
{
    if (background_)
        background_->RemoveUser(*this);
}

void BackgroundLink::Set(TAHMBackground* background)
{
    if (background == background_)
        return;
    if (background_)
        background_->RemoveUser(*this);
    background_ = background;
    if (background_)
        background_->AddUser(*this);
    changed_();
}

void BackgroundLink::BackgroundRemoved(TAHMBackground& background)
{
    if (&background != background_)
        return;
    background_ = nullptr;
    changed_();
}

}  // namespace vx::widgets
