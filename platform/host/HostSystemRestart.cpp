#include "platform/host/HostSystemRestart.h"

#include <algorithm>
#include <cstdio>

namespace vx::platform {
namespace {

constexpr TokenHandle RecordedToken = 0x7E57;

std::string Hex(std::uint32_t value)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", static_cast<unsigned>(value));
    return text;
}

}  // namespace

std::optional<TokenHandle> HostSystemRestart::OpenProcessToken(std::uint32_t access)
{
    calls_.push_back("OpenProcessToken " + Hex(access));
    if (!tokenOpens_)
        return std::nullopt;
    ++openTokens_;
    return RecordedToken;
}

std::optional<PrivilegeId> HostSystemRestart::LookupPrivilege(const std::string& name)
{
    calls_.push_back("LookupPrivilege " + name);
    if (!lookupSucceeds_)
        return std::nullopt;
    auto known = std::find(knownNames_.begin(), knownNames_.end(), name);
    if (known == knownNames_.end())
        known = knownNames_.insert(knownNames_.end(), name);
    return PrivilegeId{static_cast<std::uint32_t>(known - knownNames_.begin() + 1), 0};
}

bool HostSystemRestart::AdjustPrivilege(TokenHandle token, PrivilegeId privilege, std::uint32_t attributes)
{
    const std::string name = NameOf(privilege);
    calls_.push_back("AdjustPrivilege " + name + " " + std::to_string(attributes));
    if (!adjustSucceeds_ || token != RecordedToken)
        return false;
    std::erase(enabled_, name);
    if (attributes & PrivilegeEnabled)
        enabled_.push_back(name);
    return true;
}

void HostSystemRestart::CloseToken(TokenHandle token)
{
    calls_.push_back("CloseToken");
    if (token == RecordedToken && openTokens_ > 0)
        --openTokens_;
}

bool HostSystemRestart::ExitSession(std::uint32_t flags)
{
    calls_.push_back("ExitSession " + std::to_string(flags));
    exits_.push_back(flags);
    if (OnExitSession)
        OnExitSession(flags, exitSucceeds_);
    return exitSucceeds_;
}

bool HostSystemRestart::PrivilegeEnabledNow(const std::string& name) const
{
    return std::find(enabled_.begin(), enabled_.end(), name) != enabled_.end();
}

std::string HostSystemRestart::NameOf(PrivilegeId privilege) const
{
    if (privilege.high != 0 || privilege.low == 0 || privilege.low > knownNames_.size())
        return "?";
    return knownNames_[privilege.low - 1];
}

}  // namespace vx::platform
