#pragma once
// The host shortcut and command-line services, telling the transcript of each
// request: link "TARGET" "LINKFILE", exec "COMMANDLINE".
#include "platform/host/HostCommandLauncher.h"
#include "platform/host/HostShellLinks.h"
#include "ui/host/script/Transcript.h"

namespace vx::setup::sim {

class TranscribedLinks : public platform::HostShellLinks {
public:
    explicit TranscribedLinks(ui::script::Transcript& transcript) : transcript_(transcript) {}
    platform::ShellLinkResult Create(const std::string& target, const std::string& linkFile) override
    {
        transcript_.Event("link", ui::script::Transcript::Quote(target) + " " + ui::script::Transcript::Quote(linkFile));
        return HostShellLinks::Create(target, linkFile);
    }

private:
    ui::script::Transcript& transcript_;
};

class TranscribedLauncher : public platform::HostCommandLauncher {
public:
    explicit TranscribedLauncher(ui::script::Transcript& transcript) : transcript_(transcript) {}
    bool Start(const std::string& commandLine) override
    {
        transcript_.Event("exec", ui::script::Transcript::Quote(commandLine));
        return HostCommandLauncher::Start(commandLine);
    }

private:
    ui::script::Transcript& transcript_;
};

}  // namespace vx::setup::sim
