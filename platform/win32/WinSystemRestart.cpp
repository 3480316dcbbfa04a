#include "platform/win32/WinSystemRestart.h"

#include <windows.h>

#include <type_traits>

#include "platform/win32/SystemLibrary.h"

namespace vx::platform {
namespace {

using OpenTokenFn = BOOL WINAPI(HANDLE, DWORD, PHANDLE);
using LookupFn = BOOL WINAPI(LPCSTR, LPCSTR, PLUID);
using AdjustFn = BOOL WINAPI(HANDLE, BOOL, PTOKEN_PRIVILEGES, DWORD, PTOKEN_PRIVILEGES, PDWORD);
// The system's own declarations, calling convention included.
static_assert(std::is_same_v<OpenTokenFn, decltype(::OpenProcessToken)> &&
              std::is_same_v<LookupFn, decltype(::LookupPrivilegeValueA)> &&
              std::is_same_v<AdjustFn, decltype(::AdjustTokenPrivileges)>);

const SystemLibrary& Advapi()
{
    static const SystemLibrary library("advapi32.dll");
    return library;
}

bool RequestRestart(std::uint32_t flags)
{
    return ExitWindowsEx(flags, 0) != FALSE;
}

}  // namespace

WinSystemRestart::WinSystemRestart() : exitSession_(&RequestRestart) {}

std::optional<TokenHandle> WinSystemRestart::OpenProcessToken(std::uint32_t access)
{
    auto* open = Advapi().Find<OpenTokenFn>("OpenProcessToken");
    HANDLE token = nullptr;
    if (!open || !open(GetCurrentProcess(), access, &token))
        return std::nullopt;
    return reinterpret_cast<TokenHandle>(token);
}

std::optional<PrivilegeId> WinSystemRestart::LookupPrivilege(const std::string& name)
{
    auto* lookup = Advapi().Find<LookupFn>("LookupPrivilegeValueA");
    LUID luid{};
    if (!lookup || !lookup(nullptr, name.c_str(), &luid))
        return std::nullopt;
    return PrivilegeId{luid.LowPart, luid.HighPart};
}

bool WinSystemRestart::AdjustPrivilege(TokenHandle token, PrivilegeId privilege, std::uint32_t attributes)
{
    auto* adjust = Advapi().Find<AdjustFn>("AdjustTokenPrivileges");
    if (!adjust)
        return false;
    TOKEN_PRIVILEGES wanted{};
    wanted.PrivilegeCount = 1;
    wanted.Privileges[0].Luid.LowPart = privilege.low;
    wanted.Privileges[0].Luid.HighPart = privilege.high;
    wanted.Privileges[0].Attributes = attributes;
    TOKEN_PRIVILEGES previous{};
    static_assert(sizeof previous == 16);
    DWORD previousSize = 0;
    return adjust(reinterpret_cast<HANDLE>(token), FALSE, &wanted, sizeof previous, &previous, &previousSize) != FALSE;
}

void WinSystemRestart::CloseToken(TokenHandle token)
{
    if (token)
        CloseHandle(reinterpret_cast<HANDLE>(token));
}

template <>
SystemRestart& DefaultService<SystemRestart>()
{
    static WinSystemRestart restart;
    return restart;
}

}  // namespace vx::platform
