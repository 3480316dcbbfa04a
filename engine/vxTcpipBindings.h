#pragma once
// Where the per-adapter MTU lives: the TCP/IP bindings of the 9x layout and the
// interface keys of the NT layout. The MTU reader and the MTU writer share these.
#include <string>
#include <vector>

namespace vx {

// NetTransKeyPrefix followed by the digit (0 to 9).
std::string NetTransBindingKey(int digit);

// Whether the binding key's "DriverDesc" is exactly "TCP/IP".
bool IsTcpIpBinding(const std::string& bindingKey);

// The TCP/IP binding keys among ...\NetTrans\0000 to ...\NetTrans\0009, in digit
// order; bindings numbered 10 and above do not count.
std::vector<std::string> TcpIpBindingKeys();

// Only Windows 2000 and XP keep an MTU per interface.
bool HasPerInterfaceMtu();

// The interface key of every subkey under InterfacesKey, in the registry's order;
// empty when InterfacesKey cannot be opened.
std::vector<std::string> InterfaceKeys();

}  // namespace vx
