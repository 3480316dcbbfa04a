#include <cstdint>

#include "apps/vxtune/Command.h"
#include "common/MemoryRegistry.h"
#include "common/PlatformKind.h"
#include "common/RegFile.h"
#include "engine/vxParameterCatalogue.h"

namespace vx::tune {
namespace {

struct Reading {
    std::string_view name;
    int32_t (*read)();
};

// The order of show's lines is part of the interface: scripts rely on it.
constexpr Reading kReadings[] = {
    {"pmtu_discovery", GetCurrentPmtuDiscovery},
    {"pmtu_blackhole_detect", GetCurrentPmtuBlackHoleDetect},
    {"sack_opts", GetCurrentSackOpts},
    {"tcp_max_dup_acks", GetCurrentTcpMaxDupAcks},
    {"mtu", GetCurrentMtu},
    {"ndi_cache_size", GetCurrentNdiCacheSize},
    {"receive_window", GetCurrentReceiveWindow},
    {"session_keep_alive", GetCurrentSessionKeepAlive},
    {"default_ttl", GetCurrentDefaultTtl},
};

int ShowPlatform(CommandContext& c)
{
    PlatformKind kind = CurrentPlatformKind();
    c.out << static_cast<int>(kind) << " " << PlatformKindName(kind) << "\n";
    return ExitOk;
}

int ShowReadings(CommandContext& c)
{
    for (const Reading& reading : kReadings)
        c.out << reading.name << "=" << reading.read() << "\n";
    return ExitOk;
}

int DumpRegistry(CommandContext& c)
{
    c.out << FormatRegedit4(*c.registryFile);
    return ExitOk;
}

}  // namespace

std::vector<Command> CatalogueCommands()
{
    return {
        {"platform", "", 0, 0, ShowPlatform},
        {"show", "", 0, 0, ShowReadings},
        {"dump", "", 0, 0, DumpRegistry, true},
    };
}

}  // namespace vx::tune
