#include "engine/vxAutomaticProfile.h"

#include <array>

#include "engine/vxPreferences.h"

namespace vx {
namespace {

constexpr int32_t kBroadbandRwin = 149600;

constexpr std::array<ConnectionType, 6> kConnectionTypes{{
    {"M", "Dialup Modem", 576, "16", std::nullopt, std::nullopt},
    {"C", "Cable Modem", 1500, "32", 64, kBroadbandRwin},
    {"N", "Local Area Network (LAN)", 1500, "32", std::nullopt, kBroadbandRwin},
    {"D1", "DSL (recommended setting 1)", 1500, "32", std::nullopt, kBroadbandRwin},
    {"D2", "DSL (recommended setting 2)", 1492, "32", std::nullopt, kBroadbandRwin},
    {"D3", "DSL (recommended setting 3)", 1400, "32", std::nullopt, kBroadbandRwin},
}};

constexpr size_t kLanRow = 2;

}  // namespace

std::span<const ConnectionType> ConnectionTypes() { return kConnectionTypes; }

const ConnectionType& ConnectionTypeFor(std::string_view code)
{
    for (const ConnectionType& type : kConnectionTypes)
        if (type.code == code)
            return type;
    return kConnectionTypes[kLanRow];
}

std::string ResolveConnectionCode(std::string_view storedConnect)
{
    if (storedConnect.empty() || storedConnect == "-2")
        return "M";
    return std::string(storedConnect);
}

std::string StoreAutomaticProfile()
{
    std::string code = ResolveConnectionCode(GetConnectPref());
    SetTtlPrefDefault();
    SetRwinPrefDefault();
    SetPmtuDiscoverPrefDefault();
    SetPmtuBlackHoleDetectPrefDefault();
    SetLinePref(true);
    SetSackPrefDefault();
    SetAcksPrefDefault();

    const ConnectionType& type = ConnectionTypeFor(code);
    SetMtuPref(false, type.mtu);
    SetNdiPref(false, type.ndi);
    if (type.ttl)
        SetTtlPref(*type.ttl);
    if (type.rwin)
        SetRwinPref(*type.rwin);
    return code;
}

}  // namespace vx
