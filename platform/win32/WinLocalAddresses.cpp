#include "platform/win32/WinLocalAddresses.h"

#include <windows.h>
#include <winsock.h>

#include <type_traits>

#include "platform/win32/SystemLibrary.h"

namespace vx::platform {
namespace {

using StartupFn = int PASCAL(WORD, LPWSADATA);
using CleanupFn = int PASCAL();
using HostNameFn = int PASCAL(char*, int);
using HostByNameFn = hostent* PASCAL(const char*);
using AddressTextFn = char* PASCAL(in_addr);
// The library's own declarations, calling convention included.
static_assert(std::is_same_v<StartupFn, decltype(WSAStartup)> && std::is_same_v<CleanupFn, decltype(WSACleanup)> &&
              std::is_same_v<HostNameFn, decltype(gethostname)> && std::is_same_v<HostByNameFn, decltype(gethostbyname)> &&
              std::is_same_v<AddressTextFn, decltype(inet_ntoa)>);

// The five calls of one lookup.
struct Winsock {
    SystemLibrary library{"wsock32.dll"};
    StartupFn* startup = library.Find<StartupFn>("WSAStartup");
    CleanupFn* cleanup = library.Find<CleanupFn>("WSACleanup");
    HostNameFn* hostName = library.Find<HostNameFn>("gethostname");
    HostByNameFn* hostByName = library.Find<HostByNameFn>("gethostbyname");
    AddressTextFn* addressText = library.Find<AddressTextFn>("inet_ntoa");

    bool Complete() const { return startup && cleanup && hostName && hostByName && addressText; }
};

std::optional<LocalHost> Resolve(const Winsock& api)
{
    char name[64] = {};
    if (api.hostName(name, sizeof name) != 0)
        return std::nullopt;
    const hostent* host = api.hostByName(name);
    if (!host)
        return std::nullopt;
    LocalHost result{name, {}};
    if (host->h_addrtype != AF_INET || host->h_length != sizeof(in_addr))
        return result;
    for (char** entry = host->h_addr_list; *entry; ++entry) {
        in_addr address;
        CopyMemory(&address, *entry, sizeof address);
        if (const char* text = api.addressText(address))
            result.addresses.emplace_back(text);
    }
    return result;
}

}  // namespace

std::optional<LocalHost> WinLocalAddresses::Lookup()
{
    const Winsock api;
    if (!api.Complete())
        return std::nullopt;
    WSADATA data;
    if (api.startup(MAKEWORD(1, 1), &data) != 0)
        return std::nullopt;
    std::optional<LocalHost> host = Resolve(api);
    api.cleanup();
    return host;
}

template <>
LocalAddresses& DefaultService<LocalAddresses>()
{
    static WinLocalAddresses addresses;
    return addresses;
}

}  // namespace vx::platform
