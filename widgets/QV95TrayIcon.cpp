#include "widgets/QV95TrayIcon.h"

#include "ui/Application.h"
#include "ui/PopupMenu.h"

namespace vx::widgets {

TQV95TrayIcon::TQV95TrayIcon() : window_(CurrentTrayArea().OpenWindow(*this)) {}

TQV95TrayIcon::~TQV95TrayIcon()
{
    if (active_)
        window_->Notify(TrayAction::Delete, record_);
}

void TQV95TrayIcon::SetActive(bool active)
{
    if (active == active_)
        return;
    active_ = active;
    if (!active_) {
        window_->Notify(TrayAction::Delete, record_);
        return;
    }
    window_->Notify(TrayAction::Add, record_);
    if (record_.tip.empty())
        window_->PostRefreshTip();
}

void TQV95TrayIcon::SetIcon(ui::Bitmap icon)
{
    record_.icon = std::move(icon);
    Modify();
}

void TQV95TrayIcon::SetToolTip(std::string tip)
{
    if (tip.size() > MaxToolTip)
        tip.resize(MaxToolTip);
    record_.tip = std::move(tip);
    Modify();
}

void TQV95TrayIcon::Modify()
{
    if (active_)
        window_->Notify(TrayAction::Modify, record_);
}

void TQV95TrayIcon::TrayRefreshTip()
{
    SetToolTip(record_.tip);
}

void TQV95TrayIcon::TaskbarCreated()
{
    // A new taskbar has no icons: show ours again.
    if (active_)
        window_->Notify(TrayAction::Add, record_);
}

void TQV95TrayIcon::TrayMouse(unsigned mouseMessage)
{
    switch (mouseMessage) {
    case TrayLeftButtonUp:
        if (OnClick)
            OnClick();
        break;
    case TrayLeftButtonDouble:
        if (OnDblClick)
            OnDblClick();
        break;
    case TrayRightButtonUp:
        OpenPopup();
        if (OnRightClick)
            OnRightClick();
        break;
    default: break;
    }
}

void TQV95TrayIcon::OpenPopup()
{
    ui::Application& app = ui::Application::Current();
    const ui::Point cursor = app.GetBackend().CursorPos();
    if (!popupMenu_)
        return;
    window_->BringToFront();
    app.ProcessMessages();
    popupMenu_->Popup(cursor);
}

}  // namespace vx::widgets
