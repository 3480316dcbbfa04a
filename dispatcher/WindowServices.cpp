#include "dispatcher/WindowServices.h"

#include <algorithm>
#include <cstdint>

#include "dispatcher/ProgramState.h"
#include "ui/Application.h"
#include "widgets/AHMWaveHolder.h"
#include "widgets/QV95TrayIcon.h"

namespace vx::dispatcher {
namespace {

constexpr int StopCode = 1;
constexpr int LongestPause = 20;
constexpr std::uint64_t PeriodUs = 250040;  // 2.894e-6 of a day
constexpr std::uint64_t SliceMs = 10;

// One period: handles messages and sleeps until the period is over. The last
// sleep is cut to what remains, so a period ends on time (251 ms on a
// millisecond clock) instead of overshooting by most of a slice.
void WaitOnePeriod(ui::Application& app)
{
    const std::uint64_t endUs = app.NowMs() * 1000 + PeriodUs;
    const auto remainingUs = [&] {
        const std::uint64_t nowUs = app.NowMs() * 1000;
        return nowUs < endUs ? endUs - nowUs : 0;
    };
    // Once the program is ending nothing waits for the pause.
    while (remainingUs() > 0 && !app.Terminated()) {
        app.ProcessMessages();
        if (app.Terminated() || remainingUs() == 0)
            break;
        app.Sleep(static_cast<unsigned>(std::min(SliceMs, (remainingUs() + 999) / 1000)));
    }
    app.ProcessMessages();
}

}  // namespace

void PlaySoundCue(int code)
{
    if (widgets::TAHMWaveHolder* sounds = Program().sounds) {
        if (code == StopCode)
            sounds->StopAll();
        else
            sounds->PlayInternal(code & 127);
    }
    ui::Application::Current().ProcessMessages();
}

bool PauseQuarterSeconds(int count)
{
    if (count > LongestPause)
        count = 1;
    ui::Application& app = ui::Application::Current();
    for (int i = 0; i < count && !app.Terminated(); ++i)
        WaitOnePeriod(app);
    return true;
}

void CloseProgram()
{
    if (widgets::TQV95TrayIcon* icon = Program().trayIcon; icon && icon->Active())
        icon->SetActive(false);
    Program().changesPending = false;
    ui::Application& app = ui::Application::Current();
    app.ProcessMessages();
    app.Terminate();
}

}  // namespace vx::dispatcher
