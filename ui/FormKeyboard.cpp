// The form's keyboard interface: the tab order, radio groups, the default and
// cancel buttons, and the focus cues.
#include <algorithm>
#include <utility>
#include <vector>

#include "ui/ButtonControl.h"
#include "ui/Form.h"
#include "ui/RadioButton.h"

namespace vx::ui {

namespace {

// A radio group (the radio buttons of one parent) is one tab stop: its checked
// button, or its first one while none is checked.
bool IsGroupStop(const Control& control)
{
    const auto* radio = dynamic_cast<const RadioButton*>(&control);
    if (!radio || radio->Checked() || !control.Parent())
        return true;
    const RadioButton* first = nullptr;
    for (const Control* sibling : control.Parent()->TabList()) {
        const auto* other = dynamic_cast<const RadioButton*>(sibling);
        if (!other || !other->CanFocus())
            continue;
        if (other->Checked())
            return false;
        if (!first)
            first = other;
    }
    return first == radio;
}

// Every control that can take the focus, in tab order, with whether Tab stops there.
void CollectFocusable(const Control& parent, std::vector<std::pair<Control*, bool>>& out)
{
    for (Control* child : parent.TabList()) {
        if (!child->Visible())
            continue;
        if (child->CanFocus())
            out.emplace_back(child, child->TabStop() && IsGroupStop(*child));
        CollectFocusable(*child, out);
    }
}

// The showing, enabled button of the subtree that has the role, in tab order.
Control* FindButton(const Control& parent, bool (ButtonRole::*role)() const)
{
    for (Control* child : parent.TabList()) {
        const auto* button = dynamic_cast<const ButtonRole*>(child);
        if (button && (button->*role)() && child->IsShowing() && child->IsEnabledInTree())
            return child;
        if (Control* deeper = FindButton(*child, role))
            return deeper;
    }
    return nullptr;
}

}  // namespace

void Form::SelectNext(bool forward)
{
    std::vector<std::pair<Control*, bool>> order;
    CollectFocusable(*this, order);
    const int n = static_cast<int>(order.size());
    int at = -1;
    for (int i = 0; i < n; ++i) {
        if (order[static_cast<size_t>(i)].first == activeControl_)
            at = i;
    }
    if (at < 0)
        at = forward ? -1 : n;
    for (int step = 1; step <= n; ++step) {
        const int i = ((at + (forward ? step : -step)) % n + n) % n;
        if (order[static_cast<size_t>(i)].second) {
            SetActiveControl(order[static_cast<size_t>(i)].first);
            return;
        }
    }
}

void Form::KeyboardUsed()
{
    if (focusCues_)
        return;
    focusCues_ = true;
    if (activeControl_)
        activeControl_->Invalidate();
}

bool Form::DispatchKey(Key key, ShiftState shift)
{
    if (!AcceptsInput())
        return false;
    KeyboardUsed();
    Control* focus = activeControl_ && activeControl_->CanFocus() ? activeControl_ : nullptr;
    if (focus && !focus->IsNative() && focus->HandleKey(key, shift))
        return true;
    switch (key) {
    case Key::Tab: SelectNext(!shift.shift); return true;
    case Key::Left:
    case Key::Up: return MoveInGroup(false);
    case Key::Right:
    case Key::Down: return MoveInGroup(true);
    case Key::Enter:
        return Press(focus && dynamic_cast<ButtonControl*>(focus) ? focus : FindButton(*this, &ButtonRole::Default));
    case Key::Escape: return Press(FindButton(*this, &ButtonRole::Cancel));
    case Key::Space: break;
    }
    return false;
}

// The arrows move the focus to the next radio button of the group and check it.
bool Form::MoveInGroup(bool forward)
{
    auto* radio = dynamic_cast<RadioButton*>(activeControl_);
    if (!radio || !radio->CanFocus() || !radio->Parent())
        return false;
    std::vector<RadioButton*> group;
    for (Control* sibling : radio->Parent()->TabList()) {
        auto* other = dynamic_cast<RadioButton*>(sibling);
        if (other && other->CanFocus())
            group.push_back(other);
    }
    const auto at = std::find(group.begin(), group.end(), radio) - group.begin();
    const auto n = static_cast<std::ptrdiff_t>(group.size());
    RadioButton* next = group[static_cast<size_t>(((at + (forward ? 1 : -1)) % n + n) % n)];
    SetActiveControl(next);
    next->SetChecked(true);
    return true;
}

bool Form::Press(Control* button)
{
    if (!button)
        return false;
    button->HandleClick();
    return true;
}

void Form::FocusFirst()
{
    if (!activeControl_)
        SelectNext(true);
}

}  // namespace vx::ui
