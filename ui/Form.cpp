#include "ui/Form.h"

#include <algorithm>
#include <stdexcept>
#include <utility>
#include <vector>

#include "ui/Application.h"
#include "ui/Canvas.h"
#include "ui/GraphicControl.h"
#include "ui/NativeControl.h"

namespace vx::ui {

namespace {

template <class Visit>
void ForEachInSubtree(Control& root, const Visit& visit)
{
    visit(root);
    for (Control* child : root.Children())
        ForEachInSubtree(*child, visit);
}

bool InSubtree(const Control* control, const Control& root)
{
    for (; control; control = control->Parent()) {
        if (control == &root)
            return true;
    }
    return false;
}

// Windowless controls first, then native ones, which lie above them on screen.
void PaintTree(Control& parent, Canvas& canvas, Point base, bool natives, NativePainter* painter)
{
    for (Control* child : parent.Children()) {
        if (!child->Visible())
            continue;
        ScopedCanvasState keep(canvas);
        const Point at = child->ToForm({0, 0});
        canvas.SetOrigin({base.x + at.x, base.y + at.y});
        canvas.IntersectClipRect(child->ClientRect());
        if (!natives) {
            if (auto* graphic = dynamic_cast<GraphicControl*>(child))
                graphic->PaintOn(canvas);
        } else if (auto* native = dynamic_cast<NativeControl*>(child)) {
            painter->Paint(*native, canvas);
        }
        PaintTree(*child, canvas, base, natives, painter);
    }
}

}  // namespace

Form::Form(bool canBeMainForm) : app_(&Application::Current())
{
    SetFont(Font{});
    SetColor(clBtnFace);
    SetVisible(false);
    SetClickOnRelease(true);
    app_->AddForm(*this, canBeMainForm);
}

Form::~Form()
{
    for (Control* child : Children())
        ForgetSubtree(*child);
    if (app_) {
        app_->ControlGone(*this);
        app_->RemoveForm(*this);
    }
}

void Form::SetBorderStyle(BorderStyle style)
{
    borderStyle_ = style;
    Changed(Change::Style);
}

void Form::SetTitleButtons(bool shown)
{
    titleButtons_ = shown;
    Changed(Change::Style);
}

void Form::SetWindowState(WindowState state)
{
    windowState_ = state;
    Changed(Change::ShowState);
}

void Form::SetWindowRegion(std::optional<Region> region)
{
    region_ = std::move(region);
    Changed(Change::WindowRegion);
}

void Form::Show()
{
    SetVisible(true);
    if (peer_)
        peer_->BringToFront();
}

ModalResult Form::ShowModal()
{
    if (modal_ || Visible())
        throw std::logic_error("Cannot make a visible window modal: " + Name());
    if (!app_)
        throw std::logic_error("No application for a modal run: " + Name());
    Application& app = *app_;
    const LifeWatch alive = Life();
    // Ends the run whatever ends it, unless the form went with it.
    struct ModalScope {
        Form& form;
        const LifeWatch& alive;
        ~ModalScope()
        {
            if (alive.Alive())
                form.EndModalRun();
        }
    };
    modalResult_ = ModalResult::None;
    BeginModalRun();
    ModalScope scope{*this, alive};
    Show();
    for (;;) {
        if (!alive.Alive())
            return ModalResult::Cancel;
        if (app.Terminated()) {
            modalResult_ = ModalResult::Cancel;
            break;
        }
        if (modalResult_ != ModalResult::None && CloseQuery())
            break;
        if (alive.Alive() && modalResult_ == ModalResult::None)
            app.HandleMessage();
    }
    return modalResult_;
}

void Form::BeginModalRun()
{
    Form* active = app_->ActiveForm();
    owner_ = active == this ? nullptr : active;
    modal_ = true;
    Changed(Change::Modal);
    app_->BeginModal(*this);
}

// Hidden first, then the owner goes: a window that loses its owner while shown
// would get a taskbar button for a moment.
void Form::EndModalRun()
{
    modal_ = false;
    if (app_)
        app_->EndModal(*this);
    Hide();
    owner_ = nullptr;
    Changed(Change::Modal);
}

void Form::Release()
{
    if (!app_)
        throw std::logic_error("No application to release the form " + Name());
    app_->Release(*this);
}

bool Form::CloseQuery()
{
    CloseAction action = CloseAction::Hide;
    if (OnClose)
        OnClose(action);
    if (action == CloseAction::None) {
        modalResult_ = ModalResult::None;
        return false;
    }
    return true;
}

void Form::Close()
{
    if (modal_) {
        modalResult_ = ModalResult::Cancel;
        return;
    }
    CloseAction action = CloseAction::Hide;
    if (OnClose)
        OnClose(action);
    if (action == CloseAction::None)
        return;
    if (app_ && app_->MainForm() == this)
        app_->Terminate();
    else
        Hide();
}

void Form::SetActiveControl(Control* control)
{
    if (control == activeControl_)
        return;
    NativeFocusChanged(control);
    if (!peer_ || activeControl_ != control)
        return;
    if (control && control->IsNative())
        static_cast<NativeControl*>(control)->SyncPeer(Change::Focus);
    else
        peer_->Update(Change::Focus);  // the form's own window holds the focus
}

void Form::NativeFocusChanged(Control* control)
{
    if (control == activeControl_)
        return;
    Control* old = activeControl_;
    activeControl_ = control;
    if (old)
        old->HandleFocusLost();
    if (control && activeControl_ == control)
        control->HandleFocusGained();
}

bool Form::AcceptsInput() const
{
    if (!app_ || !Enabled() || inputTransparent_)
        return false;
    return !app_->ModalRunning() || app_->TopModal() == this;
}

void Form::DoCreate()
{
    if (OnCreate)
        OnCreate();
}

void Form::PaintClient(Canvas& canvas, NativePainter* natives)
{
    ScopedCanvasState keep(canvas);
    const Point base = canvas.Origin();
    canvas.IntersectClipRect(ClientRect());
    canvas.font = GetFont();
    canvas.brush = Brush{GetColor(), BrushStyle::Solid};
    canvas.pen = Pen{};
    Paint(canvas);
    PaintTree(*this, canvas, base, false, nullptr);
    if (natives)
        PaintTree(*this, canvas, base, true, natives);
}

void Form::Paint(Canvas& canvas)
{
    canvas.brush = Brush{GetColor(), BrushStyle::Solid};
    canvas.FillRect(ClientRect());
    if (OnPaint)
        OnPaint(canvas);
}

void Form::NativePlaced(const Rect& bounds)
{
    placedNatively_ = true;
    SetBounds(bounds);
    placedNatively_ = false;
}

void Form::AdoptSubtree(Control& subtree)
{
    if (!peer_)
        return;
    ForEachInSubtree(subtree, [this](Control& c) {
        if (auto* native = dynamic_cast<NativeControl*>(&c))
            native->AttachPeer(app_->GetBackend(), *peer_);
    });
}

void Form::ForgetSubtree(Control& subtree)
{
    mouse_.Forget(subtree);
    std::erase_if(queued_, [&](NativeControl* c) { return InSubtree(c, subtree); });
    if (app_)
        app_->ControlGone(subtree);
    if (InSubtree(activeControl_, subtree))
        activeControl_ = nullptr;
    ForEachInSubtree(subtree, [](Control& c) {
        if (auto* native = dynamic_cast<NativeControl*>(&c))
            native->DetachPeer();
    });
}

void Form::HoverChanged(Control* control)
{
    if (app_)
        app_->Hints().PointerOver(control);
}

void Form::ButtonPressed()
{
    if (app_)
        app_->Hints().ButtonPressed();
}

void Form::InputChanged()
{
    if (peer_)
        peer_->Update(Change::Input);
}

void Form::Changed(Change change)
{
    if (change == Change::Visible && Visible()) {
        ApplyShowPosition();
        CreatePeers();
    }
    if (peer_ && !(change == Change::Bounds && placedNatively_))
        peer_->Update(change);
    if (change != Change::Visible)
        return;
    if (!Visible()) {
        if (shownOnce_ && OnHide)
            OnHide();
        return;
    }
    const LifeWatch alive = Life();
    if (OnShow)
        OnShow();
    if (alive.Alive() && Visible())
        FocusFirst();
}

void Form::CreatePeers()
{
    if (!app_)
        return;
    if (!peer_)
        peer_ = app_->GetBackend().CreateFormPeer(*this);
    queued_.clear();
    for (Control* child : Children())
        AdoptSubtree(*child);
}

void Form::QueueNative(NativeControl& control)
{
    queued_.push_back(&control);
}

void Form::AttachQueued()
{
    if (!peer_ || !app_ || queued_.empty())
        return;
    std::vector<NativeControl*> queued;
    queued.swap(queued_);
    for (NativeControl* control : queued) {
        control->AttachPeer(app_->GetBackend(), *peer_);
        if (control == activeControl_)
            control->SyncPeer(Change::Focus);
    }
}

void Form::ApplyShowPosition()
{
    if (shownOnce_)
        return;
    shownOnce_ = true;
    if (position_ != FormPosition::ScreenCenter || !app_)
        return;
    const Size screen = app_->GetBackend().ScreenSize();
    SetBounds((screen.cx - Width()) / 2, (screen.cy - Height()) / 2, Width(), Height());
}

}  // namespace vx::ui
