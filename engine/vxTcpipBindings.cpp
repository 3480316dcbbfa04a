#include "engine/vxTcpipBindings.h"

#include "common/PlatformKind.h"
#include "common/RegistryCalls.h"
#include "engine/vxRegistryKeys.h"

namespace vx {

std::string NetTransBindingKey(int digit)
{
    std::string key(NetTransKeyPrefix);
    key += static_cast<char>('0' + digit);
    return key;
}

bool IsTcpIpBinding(const std::string& bindingKey)
{
    RegistryValue desc =
        GetRegistryValue(RegRoot::LocalMachine, bindingKey, RegValueKind::String, DriverDescValue);
    return desc.AsString() == TcpIpDriverDesc;
}

std::vector<std::string> TcpIpBindingKeys()
{
    std::vector<std::string> keys;
    for (int digit = 0; digit <= 9; ++digit)
        if (std::string key = NetTransBindingKey(digit); IsTcpIpBinding(key))
            keys.push_back(std::move(key));
    return keys;
}

bool HasPerInterfaceMtu()
{
    PlatformKind kind = CurrentPlatformKind();
    return kind == PlatformKind::Windows2000 || kind == PlatformKind::WindowsXP;
}

std::vector<std::string> InterfaceKeys()
{
    std::vector<std::string> keys;
    auto interfaces = CurrentRegistry().OpenKey(RegRoot::LocalMachine, InterfacesKey, KeyAccess::Read);
    if (!interfaces)
        return keys;
    for (const std::string& name : interfaces->SubkeyNames())
        keys.push_back(std::string(InterfaceKeyPrefix) + name);
    return keys;
}

}  // namespace vx
