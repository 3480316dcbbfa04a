#pragma once
#include "platform/SystemRestart.h"

namespace vx::platform {

// The token calls come from advapi32.dll, looked up at run time so the program
// loads on Windows 95, where they do not exist. The restart request goes through
// a replaceable function, so a test can take the real privilege path without
// ending the session.
class WinSystemRestart : public SystemRestart {
public:
    using ExitSessionFunction = bool (*)(std::uint32_t flags);

    WinSystemRestart();
    explicit WinSystemRestart(ExitSessionFunction exitSession) : exitSession_(exitSession) {}

    std::optional<TokenHandle> OpenProcessToken(std::uint32_t access) override;
    std::optional<PrivilegeId> LookupPrivilege(const std::string& name) override;
    bool AdjustPrivilege(TokenHandle token, PrivilegeId privilege, std::uint32_t attributes) override;
    void CloseToken(TokenHandle token) override;
    bool ExitSession(std::uint32_t flags) override { return exitSession_(flags); }

private:
    ExitSessionFunction exitSession_;
};

}  // namespace vx::platform
