#pragma once
#include <functional>
#include <string>
#include <vector>

#include "platform/SystemRestart.h"

namespace vx::platform {

// Records every call as one line ("OpenProcessToken 0x28", "LookupPrivilege NAME",
// "AdjustPrivilege NAME 2", "CloseToken", "ExitSession 2") and restarts nothing.
// At first it behaves like Windows NT with the privilege granted; each step can
// be made to fail, and Windows9x() makes it behave like 95, 98 and Me.
class HostSystemRestart : public SystemRestart {
public:
    std::optional<TokenHandle> OpenProcessToken(std::uint32_t access) override;
    std::optional<PrivilegeId> LookupPrivilege(const std::string& name) override;
    bool AdjustPrivilege(TokenHandle token, PrivilegeId privilege, std::uint32_t attributes) override;
    void CloseToken(TokenHandle token) override;
    bool ExitSession(std::uint32_t flags) override;

    void SetTokenOpens(bool opens) { tokenOpens_ = opens; }
    void SetLookupSucceeds(bool succeeds) { lookupSucceeds_ = succeeds; }
    void SetAdjustSucceeds(bool succeeds) { adjustSucceeds_ = succeeds; }
    void SetExitSucceeds(bool succeeds) { exitSucceeds_ = succeeds; }
    // No token calls work, as on Windows 95, 98 and Me.
    void Windows9x()
    {
        tokenOpens_ = false;
        lookupSucceeds_ = false;
        adjustSucceeds_ = false;
    }

    // Runs on every accepted or refused restart request (the simulator's transcript).
    std::function<void(std::uint32_t flags, bool accepted)> OnExitSession;

    const std::vector<std::string>& Calls() const { return calls_; }
    void ClearCalls() { calls_.clear(); }
    // Flags of every request made, accepted or not.
    const std::vector<std::uint32_t>& ExitRequests() const { return exits_; }
    // Whether the named privilege is enabled in the recorded token.
    bool PrivilegeEnabledNow(const std::string& name) const;
    int OpenTokens() const { return openTokens_; }

private:
    std::string NameOf(PrivilegeId privilege) const;

    bool tokenOpens_ = true;
    bool lookupSucceeds_ = true;
    bool adjustSucceeds_ = true;
    bool exitSucceeds_ = true;
    std::vector<std::string> calls_;
    std::vector<std::uint32_t> exits_;
    std::vector<std::string> knownNames_;  // index + 1 is the privilege's low part
    std::vector<std::string> enabled_;
    int openTokens_ = 0;
};

}  // namespace vx::platform
