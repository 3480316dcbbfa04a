#pragma once
// The base of every visual component: a named node in a form's tree with bounds in
// its parent's coordinates, the common properties and the mouse and click events.
// Controls are usually fields of their form; a control's destructor takes it out of
// its parent and leaves its children without a parent.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/Backend.h"
#include "ui/Color.h"
#include "ui/Font.h"
#include "ui/Geometry.h"
#include "ui/Input.h"

namespace vx::ui {

class Form;

class Control {
public:
    explicit Control(Control* parent = nullptr);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    std::function<void()> OnClick;
    std::function<void(MouseButton, ShiftState, Point)> OnMouseDown;
    std::function<void(ShiftState, Point)> OnMouseMove;
    std::function<void(MouseButton, ShiftState, Point)> OnMouseUp;
    std::function<void()> OnMouseEnter;
    std::function<void()> OnMouseLeave;

    const std::string& Name() const { return name_; }
    // Within one form a name is unique: throws std::logic_error when another
    // control of the form has it.
    void SetName(std::string name);
    // The control of this name in this control's subtree (itself included), or nullptr.
    Control* FindControl(std::string_view name);

    Control* Parent() const { return parent_; }
    void SetParent(Control* parent);
    const std::vector<Control*>& Children() const { return children_; }
    // The form at the root of the tree (the control itself for a form), or nullptr.
    Form* OwningForm();
    const Form* OwningForm() const;

    // In the parent's client coordinates.
    const Rect& Bounds() const { return bounds_; }
    void SetBounds(const Rect& bounds);
    void SetBounds(int left, int top, int width, int height) { SetBounds(Rect::Bounds(left, top, width, height)); }
    int Left() const { return bounds_.left; }
    int Top() const { return bounds_.top; }
    int Width() const { return bounds_.Width(); }
    int Height() const { return bounds_.Height(); }
    void SetLeft(int left) { SetBounds(left, Top(), Width(), Height()); }
    void SetTop(int top) { SetBounds(Left(), top, Width(), Height()); }
    void SetWidth(int width) { SetBounds(Left(), Top(), width, Height()); }
    void SetHeight(int height) { SetBounds(Left(), Top(), Width(), height); }
    Rect ClientRect() const { return {0, 0, Width(), Height()}; }
    // Local coordinates to the owning form's client coordinates, and back.
    Point ToForm(Point local) const;
    Point FromForm(Point inForm) const;
    Rect BoundsInForm() const;

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    // Visible, and so are all its parents (a form: shown).
    bool IsShowing() const;
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    // Enabled, and so are all its parents.
    bool IsEnabledInTree() const;

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption);

    // Without a font or colour of its own a control shows its parent's.
    const Font& GetFont() const;
    void SetFont(const Font& font);
    bool ParentFont() const { return !font_; }
    Color GetColor() const;
    void SetColor(Color color);
    bool ParentColor() const { return !color_; }

    const std::string& Hint() const { return hint_; }
    void SetHint(std::string hint) { hint_ = std::move(hint); }
    // Without a setting of its own a control follows its parent (forms: off).
    bool ShowHint() const;
    void SetShowHint(bool show) { showHint_ = show; }

    void SetFocus();
    bool Focused() const;
    // Focused, and its form shows focus cues (the keyboard has been used there).
    bool ShowsFocus() const;
    // Whether the control can have the keyboard focus now: its kind takes it
    // (native controls, skinned buttons) and it is showing and enabled.
    bool CanFocus() const;
    // Tab stops at the control (off for windowless controls, on for the others).
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool stop) { tabStop_ = stop; }
    // The control's place in its parent's tab order, from 0; by default the order
    // of creation. Setting it moves the control there and the others along.
    int TabOrder() const;
    void SetTabOrder(int order);
    // The children in tab order.
    const std::vector<Control*>& TabList() const { return tabList_; }

    // Marks the control's area for repainting.
    void Invalidate();
    // Repaints at once.
    void Repaint();

    // Called by the framework and backends.
    virtual bool IsNative() const = 0;
    void HandleMouse(const MouseEvent& event);
    void HandleClick() { Click(); }
    // Offers a dialog character (an Alt+letter accelerator) to the subtree.
    bool HandleDialogChar(char c);
    // Windowless controls with click events get a click from a left press and
    // release inside them; others decide themselves.
    bool WantsClickOnRelease() const { return clickOnRelease_; }
    void HandleFocusLost() { FocusLost(); }
    void HandleFocusGained() { FocusGained(); }
    // Whether the focused control handles this key itself (a list its arrows, a
    // memo Enter), so that the form does not move the focus or press a button.
    virtual bool WantsKey(Key key) const;
    // A key for the focused windowless control; returns whether it was handled.
    bool HandleKey(Key key, ShiftState shift) { return KeyDown(key, shift); }

protected:
    virtual void MouseDown(MouseButton button, ShiftState shift, Point pos);
    virtual void MouseMove(ShiftState shift, Point pos);
    virtual void MouseUp(MouseButton button, ShiftState shift, Point pos);
    virtual void MouseEnter();
    virtual void MouseLeave();
    virtual void Click();
    // Returns whether the character was this control's accelerator and was handled.
    virtual bool DialogChar(char c);
    virtual void FocusLost();
    virtual void FocusGained();
    // The kind of control takes the keyboard focus.
    virtual bool TakesFocus() const;
    virtual bool KeyDown(Key key, ShiftState shift);

    // A property changed: a native control tells its peer, a windowless one repaints.
    virtual void Changed(Change change) = 0;
    void SetClickOnRelease(bool on) { clickOnRelease_ = on; }
    // Repaints an area of the owning form (form coordinates).
    void InvalidateInForm(const Rect& area);

private:
    void AddChild(Control& child);
    void RemoveChild(Control& child);
    void NotifyDescendants(Change change);
    // A parent's visibility, enabled state, position, font or colour changed.
    void AncestorChanged(Change change);

    std::string name_;
    Control* parent_ = nullptr;
    std::vector<Control*> children_;  // in z-order
    std::vector<Control*> tabList_;
    Rect bounds_;
    bool visible_ = true;
    bool enabled_ = true;
    std::string caption_;
    std::optional<Font> font_;
    std::optional<Color> color_;
    std::string hint_;
    std::optional<bool> showHint_;
    bool clickOnRelease_ = false;
    bool tabStop_ = false;
};

}  // namespace vx::ui
