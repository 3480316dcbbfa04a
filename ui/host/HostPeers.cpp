#include "ui/host/HostPeers.h"

#include "ui/Form.h"
#include "ui/host/HostBackend.h"

namespace vx::ui {

namespace {

// A classic frame and title bar around framed windows.
Point FrameOffset(const Form& form)
{
    if (form.GetBorderStyle() == BorderStyle::None || form.GetWindowState() == WindowState::Maximized)
        return {0, 0};
    return {3, 22};
}

}  // namespace

HostFormPeer::HostFormPeer(HostBackend& backend, Form& form) : backend_(backend), form_(form)
{
    FollowWindowState();
}

HostFormPeer::~HostFormPeer()
{
    backend_.Forget(*this);
}

void HostFormPeer::Update(Change change)
{
    if (change == Change::Visible) {
        if (form_.Visible())
            backend_.Raise(*this);
        else
            backend_.Lower(*this);
    }
    if (change == Change::ShowState || change == Change::Visible)
        FollowWindowState();
    Invalidate(form_.ClientRect());
    if (change == Change::Visible)
        backend_.VisibilityChanged(form_, form_.Visible());
    else if (change == Change::Modal && !form_.IsModal())
        backend_.ModalRunEnded(form_);
}

void HostFormPeer::Invalidate(const Rect& area)
{
    if (invalid_.IsEmpty()) {
        invalid_ = area;
        return;
    }
    invalid_ = {std::min(invalid_.left, area.left), std::min(invalid_.top, area.top),
                std::max(invalid_.right, area.right), std::max(invalid_.bottom, area.bottom)};
}

void HostFormPeer::PaintNow()
{
    ++paints_;
    invalid_ = {};
}

Point HostFormPeer::ClientOrigin() const
{
    const Point frame = FrameOffset(form_);
    return {form_.Left() + frame.x, form_.Top() + frame.y};
}

void HostFormPeer::BringToFront()
{
    if (form_.Visible())
        backend_.Raise(*this);
}

bool HostFormPeer::Hits(Point screen) const
{
    const Point origin = ClientOrigin();
    const Point client{screen.x - origin.x, screen.y - origin.y};
    if (!form_.ClientRect().Contains(client))
        return false;
    return !form_.WindowRegion() || form_.WindowRegion()->Contains(client);
}

// A maximised window covers the screen, as Windows sizes it.
void HostFormPeer::FollowWindowState()
{
    if (form_.GetWindowState() != WindowState::Maximized)
        return;
    const Size screen = backend_.ScreenSize();
    form_.NativePlaced({0, 0, screen.cx, screen.cy});
}

void HostControlPeer::Update(Change)
{
    ++updates_;
}

}  // namespace vx::ui
