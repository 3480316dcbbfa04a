#include "apps/velocitrex/sim/SimServices.h"

#include <algorithm>

#include "widgets/TickSound.h"

namespace vx::app {

namespace {

class SimTrayWindow : public widgets::TrayWindow {
public:
    SimTrayWindow(std::unique_ptr<widgets::TrayWindow> inner, ui::script::Transcript& transcript)
        : inner_(std::move(inner)), transcript_(transcript)
    {
    }
    bool Notify(widgets::TrayAction action, const widgets::TrayIconRecord& record) override
    {
        const char* names[] = {"add", "modify", "delete"};
        transcript_.Event("tray", names[static_cast<int>(action)]);
        return inner_->Notify(action, record);
    }
    void PostRefreshTip() override { inner_->PostRefreshTip(); }
    void BringToFront() override { inner_->BringToFront(); }

private:
    std::unique_ptr<widgets::TrayWindow> inner_;
    ui::script::Transcript& transcript_;
};

}  // namespace

bool SimSoundPlayer::PlayFromMemory(std::span<const std::uint8_t> wave, platform::SoundFlags)
{
    static const std::vector<std::uint8_t> tick = widgets::MakeTickWave();
    const bool isTick = std::equal(wave.begin(), wave.end(), tick.begin(), tick.end());
    transcript_.Event("sound", isTick ? widgets::TickWaveName : "wave");
    return true;
}

bool SimSoundPlayer::Stop()
{
    transcript_.Event("stop-sounds");
    return true;
}

bool SimShell::Execute(const platform::ShellRequest& request)
{
    transcript_.Event("shell", request.verb + " " + ui::script::Transcript::Quote(request.target) + " dir " +
                                   ui::script::Transcript::Quote(request.directory));
    return true;
}

std::unique_ptr<widgets::TrayWindow> SimTrayArea::OpenWindow(widgets::TrayListener& listener)
{
    return std::make_unique<SimTrayWindow>(area_.OpenWindow(listener), transcript_);
}

}  // namespace vx::app
