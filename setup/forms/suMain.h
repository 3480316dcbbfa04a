#pragma once
// TfrmMain: the full-screen backdrop. It checks for a running copy of the
// program, then runs the pages one after the other from its timer.
#include <optional>

#include "platform/TopWindows.h"
#include "setup/forms/SetupCaption.h"
#include "ui/Form.h"
#include "ui/Timer.h"

namespace vx::setup {

// How long a running copy may take to end after the close request.
inline constexpr unsigned RunningCopyWaitMs = 10000;

class TfrmMain : public ui::Form {
public:
    TfrmMain();

    SetupCaption lblSetupText{this};
    ui::Timer tmrStartInstall;

private:
    void FormCreate();
    void FormShow();
    void FormClose(ui::CloseAction& action);
    void tmrStartInstallTimer();
    bool CheckRunningCopy();
    bool RunningCopyEnded();

    std::optional<platform::WindowId> closingCopy_;
};

}  // namespace vx::setup
