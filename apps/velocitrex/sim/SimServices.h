#pragma once
// The platform services of the simulated program: each one records what the
// program asked of the system and tells the transcript.
#include <memory>

#include "platform/Shell.h"
#include "platform/SoundPlayer.h"
#include "ui/host/script/Transcript.h"
#include "widgets/HostTrayArea.h"

namespace vx::app {

// "sound NAME" for every sound started, "stop-sounds" for a stop.
class SimSoundPlayer : public platform::SoundPlayer {
public:
    explicit SimSoundPlayer(ui::script::Transcript& transcript) : transcript_(transcript) {}
    bool PlayFromMemory(std::span<const std::uint8_t> wave, platform::SoundFlags flags) override;
    bool Stop() override;

private:
    ui::script::Transcript& transcript_;
};

// "shell open "TARGET" dir "DIR"", and nothing is started.
class SimShell : public platform::Shell {
public:
    explicit SimShell(ui::script::Transcript& transcript) : transcript_(transcript) {}
    bool Execute(const platform::ShellRequest& request) override;

private:
    ui::script::Transcript& transcript_;
};

// The host notification area, telling "tray add|modify|delete".
class SimTrayArea : public widgets::TrayArea {
public:
    explicit SimTrayArea(ui::script::Transcript& transcript) : transcript_(transcript) {}
    std::unique_ptr<widgets::TrayWindow> OpenWindow(widgets::TrayListener& listener) override;
    // The user's mouse on the icon.
    void SendMouse(unsigned mouseMessage) { area_.SendMouse(mouseMessage); }
    bool IconShown() const { return area_.IconShown(); }

private:
    ui::script::Transcript& transcript_;
    widgets::HostTrayArea area_;
};

}  // namespace vx::app
