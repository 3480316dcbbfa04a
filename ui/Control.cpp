#include "ui/Control.h"

#include <algorithm>
#include <stdexcept>

#include "ui/Form.h"

namespace vx::ui {

namespace {

const Font& DefaultFont()
{
    static const Font font;
    return font;
}

}  // namespace

// No virtual calls here either: a native control's window comes later (see
// NativeControl).
Control::Control(Control* parent) : parent_(parent)
{
    if (parent_)
        parent_->AddChild(*this);
}

Control::~Control()
{
    // No virtual calls here: the derived parts are gone.
    if (parent_) {
        InvalidateInForm(BoundsInForm());
        if (Form* form = OwningForm())
            form->ForgetSubtree(*this);
        parent_->RemoveChild(*this);
    }
    for (Control* child : children_)
        child->parent_ = nullptr;
}

namespace {

// Any control of the subtree but one with this name.
bool NameTaken(Control& root, std::string_view name, const Control& except)
{
    if (&root != &except && root.Name() == name)
        return true;
    for (Control* child : root.Children()) {
        if (NameTaken(*child, name, except))
            return true;
    }
    return false;
}

}  // namespace

void Control::SetName(std::string name)
{
    if (name == name_)
        return;
    Form* form = OwningForm();
    if (!name.empty() && form && NameTaken(*form, name, *this))
        throw std::logic_error("Two controls named " + name + " on one form");
    name_ = std::move(name);
}

Control* Control::FindControl(std::string_view name)
{
    if (name_ == name)
        return this;
    for (Control* child : children_) {
        if (Control* found = child->FindControl(name))
            return found;
    }
    return nullptr;
}

void Control::SetParent(Control* parent)
{
    if (parent == parent_)
        return;
    if (parent_) {
        if (!IsNative())
            InvalidateInForm(BoundsInForm());
        if (Form* form = OwningForm())
            form->ForgetSubtree(*this);
        parent_->RemoveChild(*this);
    }
    parent_ = parent;
    if (parent_) {
        parent_->AddChild(*this);
        if (Form* form = OwningForm())
            form->AdoptSubtree(*this);
        if (!IsNative())
            InvalidateInForm(BoundsInForm());
    }
}

Form* Control::OwningForm()
{
    Control* root = this;
    while (root->parent_)
        root = root->parent_;
    return dynamic_cast<Form*>(root);
}

const Form* Control::OwningForm() const
{
    return const_cast<Control*>(this)->OwningForm();
}

void Control::SetBounds(const Rect& bounds)
{
    if (bounds == bounds_)
        return;
    if (!IsNative())
        InvalidateInForm(BoundsInForm());
    bounds_ = bounds;
    Changed(Change::Bounds);
    NotifyDescendants(Change::Bounds);
}

Point Control::ToForm(Point local) const
{
    Point p = local;
    for (const Control* c = this; c->parent_; c = c->parent_) {
        p.x += c->bounds_.left;
        p.y += c->bounds_.top;
    }
    return p;
}

Point Control::FromForm(Point inForm) const
{
    const Point origin = ToForm({0, 0});
    return {inForm.x - origin.x, inForm.y - origin.y};
}

Rect Control::BoundsInForm() const
{
    const Point origin = ToForm({0, 0});
    return Rect::Bounds(origin.x, origin.y, Width(), Height());
}

void Control::SetVisible(bool visible)
{
    if (visible == visible_)
        return;
    if (!IsNative())
        InvalidateInForm(BoundsInForm());
    visible_ = visible;
    Changed(Change::Visible);
    NotifyDescendants(Change::Visible);
}

bool Control::IsShowing() const
{
    if (!visible_)
        return false;
    return parent_ ? parent_->IsShowing() : dynamic_cast<const Form*>(this) != nullptr;
}

void Control::SetEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    Changed(Change::Enabled);
    NotifyDescendants(Change::Enabled);
}

bool Control::IsEnabledInTree() const
{
    return enabled_ && (!parent_ || parent_->IsEnabledInTree());
}

void Control::SetCaption(std::string caption)
{
    if (caption == caption_)
        return;
    caption_ = std::move(caption);
    Changed(Change::Caption);
}

const Font& Control::GetFont() const
{
    if (font_)
        return *font_;
    return parent_ ? parent_->GetFont() : DefaultFont();
}

void Control::SetFont(const Font& font)
{
    font_ = font;
    Changed(Change::TextFont);
    NotifyDescendants(Change::TextFont);
}

Color Control::GetColor() const
{
    if (color_)
        return *color_;
    return parent_ ? parent_->GetColor() : clBtnFace;
}

void Control::SetColor(Color color)
{
    color_ = color;
    Changed(Change::BackColor);
    NotifyDescendants(Change::BackColor);
}

bool Control::ShowHint() const
{
    if (showHint_)
        return *showHint_;
    return parent_ && parent_->ShowHint();
}

void Control::SetFocus()
{
    if (Form* form = OwningForm())
        form->SetActiveControl(this);
}

bool Control::Focused() const
{
    const Form* form = OwningForm();
    return form && form->ActiveControl() == this;
}

bool Control::ShowsFocus() const
{
    const Form* form = OwningForm();
    return form && form->ActiveControl() == this && form->FocusCues();
}

bool Control::CanFocus() const
{
    return TakesFocus() && IsShowing() && IsEnabledInTree();
}

int Control::TabOrder() const
{
    if (!parent_)
        return 0;
    const auto& list = parent_->tabList_;
    return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void Control::SetTabOrder(int order)
{
    if (!parent_)
        return;
    auto& list = parent_->tabList_;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    const int last = static_cast<int>(list.size());
    list.insert(list.begin() + std::clamp(order, 0, last), this);
}

void Control::Invalidate()
{
    if (IsNative())
        Changed(Change::Appearance);
    else
        InvalidateInForm(BoundsInForm());
}

void Control::Repaint()
{
    Invalidate();
    Form* form = OwningForm();
    if (form && form->Peer())
        form->Peer()->PaintNow();
}

void Control::HandleMouse(const MouseEvent& event)
{
    switch (event.action) {
    case MouseAction::Down: MouseDown(event.button, event.shift, event.pos); break;
    case MouseAction::Move: MouseMove(event.shift, event.pos); break;
    case MouseAction::Up: MouseUp(event.button, event.shift, event.pos); break;
    case MouseAction::Enter: MouseEnter(); break;
    case MouseAction::Leave: MouseLeave(); break;
    }
}

bool Control::HandleDialogChar(char c)
{
    if (!IsShowing() || !IsEnabledInTree())
        return false;
    if (DialogChar(c))
        return true;
    // A handler may change the tree, so walk a copy.
    const std::vector<Control*> children = children_;
    for (Control* child : children) {
        if (child->HandleDialogChar(c))
            return true;
    }
    return false;
}

void Control::MouseDown(MouseButton button, ShiftState shift, Point pos)
{
    if (OnMouseDown)
        OnMouseDown(button, shift, pos);
}

void Control::MouseMove(ShiftState shift, Point pos)
{
    if (OnMouseMove)
        OnMouseMove(shift, pos);
}

void Control::MouseUp(MouseButton button, ShiftState shift, Point pos)
{
    if (OnMouseUp)
        OnMouseUp(button, shift, pos);
}

void Control::MouseEnter()
{
    if (OnMouseEnter)
        OnMouseEnter();
}

void Control::MouseLeave()
{
    if (OnMouseLeave)
        OnMouseLeave();
}

void Control::Click()
{
    if (OnClick)
        OnClick();
}

bool Control::DialogChar(char)
{
    return false;
}

void Control::FocusLost() {}

void Control::FocusGained() {}

bool Control::TakesFocus() const
{
    return false;
}

bool Control::WantsKey(Key) const
{
    return false;
}

bool Control::KeyDown(Key, ShiftState)
{
    return false;
}

void Control::InvalidateInForm(const Rect& area)
{
    Form* form = OwningForm();
    if (form && form->Peer() && !area.IsEmpty())
        form->Peer()->Invalidate(area);
}

void Control::AddChild(Control& child)
{
    children_.push_back(&child);
    tabList_.push_back(&child);
}

void Control::RemoveChild(Control& child)
{
    children_.erase(std::remove(children_.begin(), children_.end(), &child), children_.end());
    tabList_.erase(std::remove(tabList_.begin(), tabList_.end(), &child), tabList_.end());
}

void Control::NotifyDescendants(Change change)
{
    for (Control* child : children_)
        child->AncestorChanged(change);
}

void Control::AncestorChanged(Change change)
{
    if ((change == Change::TextFont && !ParentFont()) || (change == Change::BackColor && !ParentColor()))
        return;
    Changed(change);
    NotifyDescendants(change);
}

}  // namespace vx::ui
