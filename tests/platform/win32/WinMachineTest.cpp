// The computer name, the local address lookup and the shutdown privilege against
// Windows itself (Wine in the win64 build). The restart request is never made.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "platform/win32/WinComputerName.h"
#include "platform/win32/WinLocalAddresses.h"
#include "platform/win32/WinSystemRestart.h"

namespace vx::platform {
namespace {

std::string RegistryComputerName()
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Control\\ComputerName\\ComputerName", 0,
                      KEY_READ, &key) != ERROR_SUCCESS)
        return "";
    char name[256] = {};
    DWORD size = sizeof name - 1;
    const LONG status = RegQueryValueExA(key, "ComputerName", nullptr, nullptr, reinterpret_cast<BYTE*>(name), &size);
    RegCloseKey(key);
    return status == ERROR_SUCCESS ? name : "";
}

bool IsDottedQuad(const std::string& text)
{
    unsigned parts[4];
    char rest = 0;
    return std::sscanf(text.c_str(), "%u.%u.%u.%u%c", &parts[0], &parts[1], &parts[2], &parts[3], &rest) == 4 &&
           parts[0] < 256 && parts[1] < 256 && parts[2] < 256 && parts[3] < 256;
}

// Whether this process's token has the privilege enabled right now.
bool EnabledInToken(const char* name)
{
    LUID luid{};
    HANDLE token = nullptr;
    if (!LookupPrivilegeValueA(nullptr, name, &luid) || !OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return false;
    DWORD size = 0;
    GetTokenInformation(token, TokenPrivileges, nullptr, 0, &size);
    std::string buffer(size, '\0');
    bool enabled = false;
    if (GetTokenInformation(token, TokenPrivileges, buffer.data(), size, &size)) {
        const auto* privileges = reinterpret_cast<const TOKEN_PRIVILEGES*>(buffer.data());
        for (DWORD i = 0; i < privileges->PrivilegeCount; ++i) {
            const LUID_AND_ATTRIBUTES& entry = privileges->Privileges[i];
            if (entry.Luid.LowPart == luid.LowPart && entry.Luid.HighPart == luid.HighPart)
                enabled = (entry.Attributes & SE_PRIVILEGE_ENABLED) != 0;
        }
    }
    CloseHandle(token);
    return enabled;
}

std::vector<std::uint32_t> requestedExits;

bool RecordExit(std::uint32_t flags)
{
    requestedExits.push_back(flags);
    return true;
}

TEST(WinMachine, ComputerNameIsTheOneWindowsKeeps)
{
    const auto name = WinComputerName().Query();
    ASSERT_TRUE(name.has_value());
    EXPECT_FALSE(name->empty());
    EXPECT_EQ(*name, RegistryComputerName());
}

TEST(WinMachine, LocalHostResolvesToDottedAddresses)
{
    const auto host = WinLocalAddresses().Lookup();
    ASSERT_TRUE(host.has_value()) << "the local host name does not resolve";
    EXPECT_FALSE(host->name.empty());
    ASSERT_FALSE(host->addresses.empty());
    for (const std::string& address : host->addresses)
        EXPECT_TRUE(IsDottedQuad(address)) << address;
    // The library is released after each lookup, so a second one starts it afresh.
    EXPECT_EQ(WinLocalAddresses().Lookup(), host);
}

TEST(WinMachine, ShutdownPrivilegeIsEnabledAndDisabledAgain)
{
    WinSystemRestart restart(&RecordExit);
    const auto token = restart.OpenProcessToken(TokenAdjustPrivileges | TokenQuery);
    ASSERT_TRUE(token.has_value());
    const auto privilege = restart.LookupPrivilege("SeShutdownPrivilege");
    ASSERT_TRUE(privilege.has_value());

    EXPECT_TRUE(restart.AdjustPrivilege(*token, *privilege, PrivilegeEnabled));
    EXPECT_TRUE(EnabledInToken("SeShutdownPrivilege"));
    EXPECT_TRUE(restart.AdjustPrivilege(*token, *privilege, 0));
    EXPECT_FALSE(EnabledInToken("SeShutdownPrivilege"));
    restart.CloseToken(*token);

    EXPECT_EQ(restart.LookupPrivilege("SeNoSuchPrivilege"), std::nullopt);
}

TEST(WinMachine, RestartRequestGoesThroughTheReplaceableCall)
{
    requestedExits.clear();
    WinSystemRestart restart(&RecordExit);
    EXPECT_TRUE(restart.ExitSession(ExitReboot));
    EXPECT_EQ(requestedExits, std::vector<std::uint32_t>{ExitReboot});
}

}  // namespace
}  // namespace vx::platform
