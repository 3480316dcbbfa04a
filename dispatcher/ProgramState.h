#pragma once
// What every window of the main program shares, kept in one place: the three
// flags, the references that keep a window single, and the dispatcher window's
// click sound and tray icon, which the program-wide services use. The window
// results are ui::ModalResult: Yes 6 (apply; restart now; show-only run done),
// No 7 (declined), Retry 4 (go to the tray), Cancel 2 (the program is ending).
#include "ui/ModalResult.h"

namespace vx::ui {
class Form;
}

namespace vx::widgets {
class TAHMWaveHolder;
class TQV95TrayIcon;
}  // namespace vx::widgets

namespace vx::dispatcher {

static_assert(static_cast<int>(ui::ModalResult::Yes) == 6 && static_cast<int>(ui::ModalResult::No) == 7 &&
              static_cast<int>(ui::ModalResult::Retry) == 4 && static_cast<int>(ui::ModalResult::Cancel) == 2);

struct ProgramState {
    // Chosen settings still need a restart of Windows to take effect.
    bool changesPending = false;
    // The user put the restart off: the tray menu offers it.
    bool rebootDeferred = false;
    // The apply screen has completed since the wizard last stored new choices.
    bool changesMade = false;

    // Set while the window is open; a second request does nothing.
    ui::Form* applyScreen = nullptr;
    ui::Form* aboutBox = nullptr;
    ui::Form* automaticPage = nullptr;
    ui::Form* advancedPage = nullptr;

    // Registered by the dispatcher window for as long as it exists.
    widgets::TAHMWaveHolder* sounds = nullptr;
    widgets::TQV95TrayIcon* trayIcon = nullptr;
};

// The one instance; every flag is clear and every reference empty at start.
ProgramState& Program();

// Holds a single-window reference for one showing. Declared before the window
// object, it is cleared after the window is destroyed:
//     if (Program().aboutBox) return;
//     SingleWindowReference reference(Program().aboutBox);
//     auto about = ui::MakeForm<TfrmAbout>(...);
//     reference.Hold(*about);
class SingleWindowReference {
public:
    explicit SingleWindowReference(ui::Form*& slot) : slot_(slot) {}
    ~SingleWindowReference() { slot_ = nullptr; }
    SingleWindowReference(const SingleWindowReference&) = delete;
    SingleWindowReference& operator=(const SingleWindowReference&) = delete;

    void Hold(ui::Form& window) { slot_ = &window; }

private:
    ui::Form*& slot_;
};

}  // namespace vx::dispatcher
