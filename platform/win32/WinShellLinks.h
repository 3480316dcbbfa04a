#pragma once
#include "platform/ShellLinks.h"

namespace vx::platform {

// Shortcuts through the shell's link object, with COM as Windows 95 has it
// (CoInitialize; no CoInitializeEx). COM is started for the calling thread at
// the first shortcut and stopped when the service ends.
class WinShellLinks : public ShellLinks {
public:
    ~WinShellLinks() override;
    ShellLinkResult Create(const std::string& target, const std::string& linkFile) override;

private:
    bool comStarted_ = false;
};

}  // namespace vx::platform
