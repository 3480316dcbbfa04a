#include "engine/vxProfileWriters.h"

#include <string>

#include "common/DecimalText.h"
#include "common/PlatformKind.h"
#include "engine/vxOriginalSettings.h"
#include "engine/vxPreferences.h"
#include "engine/vxRegistryKeys.h"
#include "engine/vxTcpipBindings.h"

namespace vx {
namespace {

constexpr std::string_view kTcpOptionValues[] = {Tcp1323OptsValue, SackOptsValue, BsdUrgentValue};

bool WriteText(std::string_view key, std::string_view name, bool create, std::string text)
{
    return SaveAndSetRegistryValue(RegRoot::LocalMachine, key, create, RegistryValue::String(std::move(text)),
                                   name, RegValueKind::String);
}

bool WriteDword(std::string_view key, std::string_view name, bool create, int32_t number)
{
    return SaveAndSetRegistryValue(RegRoot::LocalMachine, key, create, RegistryValue::Integer(number), name,
                                   RegValueKind::Integer);
}

struct LayoutValue {
    std::string_view key9x, name9x, keyNT, nameNT;
};

bool WriteLayoutNumber(const LayoutValue& where, bool create, int32_t number)
{
    if (IsWin9xFamily())
        return WriteText(where.key9x, where.name9x, create, FormatDecimal(number));
    return WriteDword(where.keyNT, where.nameNT, create, number);
}

std::string_view TcpOptionsKey() { return IsWin9xFamily() ? MstcpKey : TcpipParametersKey; }

void WriteBindingMtu(const std::string& binding, bool useDefault, int32_t number)
{
    if (useDefault) {
        SaveAndDeleteRegistryValue(RegRoot::LocalMachine, binding, MaxMtuValue);
        SaveAndDeleteRegistryValue(RegRoot::LocalMachine, binding, IpMtuValue);
        WriteText(ProductKey, MtuPref, true, std::string(NotSetMarker));
        return;
    }
    WriteText(binding, MaxMtuValue, true, FormatDecimal(number));
    WriteText(binding, IpMtuValue, true, FormatDecimal(number));
}

}  // namespace

bool WritePmtuDiscovery(int32_t number)
{
    return WriteLayoutNumber({MstcpKey, PmtuDiscoveryValue9x, TcpipParametersKey, PmtuDiscoveryValueNT}, true,
                             number);
}

bool WritePmtuBlackHoleDetect(int32_t number)
{
    return WriteLayoutNumber(
        {MstcpKey, PmtuBlackHoleDetectValue9x, TcpipParametersKey, PmtuBlackHoleDetectValueNT}, true, number);
}

bool WriteNdiCacheSize(bool useDefault, std::string_view text)
{
    if (!RegKeyExists(RegRoot::LocalMachine, NdiCacheSizeKey))
        return false;
    return WriteText(NdiCacheSizeKey, NdiCacheSizeValue, true, std::string(useDefault ? NotSetMarker : text));
}

bool WriteReceiveWindow(int32_t number)
{
    return WriteLayoutNumber({MstcpKey, ReceiveWindowValue9x, TcpipParametersKey, ReceiveWindowValueNT}, false,
                             number);
}

bool WriteSessionKeepAlive(int32_t number)
{
    return WriteLayoutNumber({MstcpKey, SessionKeepAliveValue, NetbtParametersKey, SessionKeepAliveValue},
                             false, number);
}

bool WriteDefaultTtl(int32_t number)
{
    return WriteLayoutNumber({MstcpKey, DefaultTtlValue, TcpipParametersKey, DefaultTtlValue}, false, number);
}

bool WriteTcpMaxDupAcks(int32_t number)
{
    return WriteLayoutNumber({MstcpKey, TcpMaxDupAcksValue, TcpipParametersKey, TcpMaxDupAcksValue}, false,
                             number);
}

bool EnableTcpOptions()
{
    for (std::string_view name : kTcpOptionValues)
        WriteLayoutNumber({MstcpKey, name, TcpipParametersKey, name}, false, 1);
    return true;
}

bool RemoveTcpOptions()
{
    for (std::string_view name : kTcpOptionValues)
        SaveAndDeleteRegistryValue(RegRoot::LocalMachine, TcpOptionsKey(), name);
    return true;
}

bool WriteMtu(bool useDefault, int32_t number)
{
    if (IsWin9xFamily()) {
        for (const std::string& binding : TcpIpBindingKeys())
            WriteBindingMtu(binding, useDefault, number);
        return true;
    }
    if (!HasPerInterfaceMtu())
        return true;
    for (const std::string& interfaceKey : InterfaceKeys())
        if (RegKeyExists(RegRoot::LocalMachine, interfaceKey))
            WriteDword(interfaceKey, MaxMtuValue, true, number);
    return true;
}

}  // namespace vx
