#pragma once
// What restarting Windows takes: the process token's shutdown privilege
// (OpenProcessToken, LookupPrivilegeValueA, AdjustTokenPrivileges) and the request
// itself (ExitWindowsEx). Windows 95, 98 and Me have no tokens: there the token
// calls fail and the request is made all the same.
#include <cstdint>
#include <optional>
#include <string>

#include "platform/CurrentService.h"

namespace vx::platform {

// An open access token; 0 is none.
using TokenHandle = std::uintptr_t;

// A locally unique identifier of a privilege (LUID).
struct PrivilegeId {
    std::uint32_t low = 0;
    std::int32_t high = 0;
    bool operator==(const PrivilegeId&) const = default;
};

constexpr std::uint32_t TokenAdjustPrivileges = 0x20;
constexpr std::uint32_t TokenQuery = 0x08;
constexpr std::uint32_t PrivilegeEnabled = 2;  // SE_PRIVILEGE_ENABLED
constexpr std::uint32_t ExitReboot = 2;        // EWX_REBOOT

class SystemRestart {
public:
    virtual ~SystemRestart() = default;
    // The current process's token; nullopt when it cannot be opened.
    virtual std::optional<TokenHandle> OpenProcessToken(std::uint32_t access) = 0;
    // nullopt when the local system knows no privilege of that name.
    virtual std::optional<PrivilegeId> LookupPrivilege(const std::string& name) = 0;
    // Sets the attributes of one privilege (the others stay as they are); the
    // previous state comes back in a 16-byte buffer that nobody reads.
    virtual bool AdjustPrivilege(TokenHandle token, PrivilegeId privilege, std::uint32_t attributes) = 0;
    virtual void CloseToken(TokenHandle token) = 0;
    // Asks Windows to end the session with these EWX_ flags; false when refused.
    virtual bool ExitSession(std::uint32_t flags) = 0;
};

inline SystemRestart& CurrentSystemRestart()
{
    return CurrentService<SystemRestart>::Get();
}

}  // namespace vx::platform
