#pragma once
// The program's icon in the taskbar notification area, with its tooltip, its
// click events and a popup menu at the cursor on the right button.
#include <functional>
#include <memory>
#include <string>

#include "widgets/TrayArea.h"

namespace vx::ui {
class PopupMenu;
}

namespace vx::widgets {

class TQV95TrayIcon final : private TrayListener {
public:
    static constexpr std::size_t MaxToolTip = 62;

    TQV95TrayIcon();
    ~TQV95TrayIcon();
    TQV95TrayIcon(const TQV95TrayIcon&) = delete;
    TQV95TrayIcon& operator=(const TQV95TrayIcon&) = delete;

    std::function<void()> OnClick;
    std::function<void()> OnDblClick;
    std::function<void()> OnRightClick;

    bool Active() const { return active_; }
    // On: adds the icon; off: deletes it.
    void SetActive(bool active);
    const ui::Bitmap& Icon() const { return record_.icon; }
    void SetIcon(ui::Bitmap icon);
    const std::string& ToolTip() const { return record_.tip; }
    // Longer texts are cut to their first 62 characters.
    void SetToolTip(std::string tip);
    ui::PopupMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(ui::PopupMenu* menu) { popupMenu_ = menu; }

    const TrayIconRecord& Record() const { return record_; }

private:
    void TrayMouse(unsigned mouseMessage) override;
    void TrayRefreshTip() override;
    void TaskbarCreated() override;
    void Modify();
    void OpenPopup();

    std::unique_ptr<TrayWindow> window_;
    TrayIconRecord record_;
    bool active_ = false;
    ui::PopupMenu* popupMenu_ = nullptr;
};

}  // namespace vx::widgets
