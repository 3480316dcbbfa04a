#include "engine/vxParameterCatalogue.h"

#include <string_view>

#include "common/DecimalText.h"
#include "common/PlatformKind.h"
#include "common/RegistryCalls.h"
#include "engine/vxRegistryKeys.h"
#include "engine/vxTcpipBindings.h"

namespace vx {
namespace {

std::string ReadText(std::string_view key, std::string_view name)
{
    return GetRegistryValue(RegRoot::LocalMachine, key, RegValueKind::String, name).AsString();
}

// 9x layout: a decimal text; `missing` stands in for an absent or non-numeric one.
int32_t ReadTextNumber(std::string_view key, std::string_view name, int32_t missing)
{
    return DecimalOr(ReadText(key, name), missing);
}

// NT layout: a DWORD, whose missing value -1 becomes `missing`.
int32_t ReadDwordNumber(std::string_view key, std::string_view name, int32_t missing)
{
    int32_t number = GetRegistryValue(RegRoot::LocalMachine, key, RegValueKind::Integer, name).AsInteger();
    return number == -1 ? missing : number;
}

// A parameter kept under MstcpKey on 9x and under TcpipParametersKey on NT.
int32_t ReadTcpParameter(std::string_view name9x, std::string_view nameNT, int32_t missing9x,
                         int32_t missingNT)
{
    if (IsWin9xFamily())
        return ReadTextNumber(MstcpKey, name9x, missing9x);
    return ReadDwordNumber(TcpipParametersKey, nameNT, missingNT);
}

int32_t FirstBindingMtu()
{
    for (const std::string& binding : TcpIpBindingKeys())
        if (int32_t mtu = ReadTextNumber(binding, MaxMtuValue, -1); mtu != -1)
            return mtu;
    return -1;
}

// The first positive MaxMTU, else the last one read, else -1.
int32_t FirstInterfaceMtu()
{
    int32_t result = -1;
    if (!HasPerInterfaceMtu())
        return result;
    for (const std::string& path : InterfaceKeys()) {
        auto key = CurrentRegistry().OpenKey(RegRoot::LocalMachine, path, KeyAccess::Read);
        if (!key)
            continue;
        auto mtu = key->ReadDword(MaxMtuValue);
        if (!mtu)
            continue;
        result = static_cast<int32_t>(*mtu);
        if (result > 0)
            break;
    }
    return result;
}

}  // namespace

int32_t GetCurrentPmtuDiscovery()
{
    if (IsWin9xFamily())
        return ReadText(MstcpKey, PmtuDiscoveryValue9x) == "1" ? 1 : 0;
    return ReadDwordNumber(TcpipParametersKey, PmtuDiscoveryValueNT, 0);
}

int32_t GetCurrentPmtuBlackHoleDetect()
{
    return ReadTcpParameter(PmtuBlackHoleDetectValue9x, PmtuBlackHoleDetectValueNT, 0, 0);
}

int32_t GetCurrentSackOpts() { return ReadTcpParameter(SackOptsValue, SackOptsValue, 0, 0); }

int32_t GetCurrentTcpMaxDupAcks() { return ReadTcpParameter(TcpMaxDupAcksValue, TcpMaxDupAcksValue, 2, 2); }

int32_t GetCurrentMtu() { return IsWin9xFamily() ? FirstBindingMtu() : FirstInterfaceMtu(); }

int32_t GetCurrentNdiCacheSize() { return ReadTextNumber(NdiCacheSizeKey, NdiCacheSizeValue, 0); }

int32_t GetCurrentReceiveWindow()
{
    return ReadTcpParameter(ReceiveWindowValue9x, ReceiveWindowValueNT, -1, -1);
}

int32_t GetCurrentSessionKeepAlive()
{
    if (IsWin9xFamily())
        return ReadTextNumber(MstcpKey, SessionKeepAliveValue, DefaultSessionKeepAlive);
    return ReadDwordNumber(NetbtParametersKey, SessionKeepAliveValue, DefaultSessionKeepAlive);
}

int32_t GetCurrentDefaultTtl()
{
    return ReadTcpParameter(DefaultTtlValue, DefaultTtlValue, DefaultTtl9x, DefaultTtlNT);
}

}  // namespace vx
