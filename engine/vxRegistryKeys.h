#pragma once
// Key paths, value names' homes and constants of the tuning engine. All keys
// are under HKEY_LOCAL_MACHINE.
#include <cstdint>
#include <string_view>

namespace vx {

inline constexpr std::string_view MstcpKey = "System\\CurrentControlSet\\Services\\VxD\\MSTCP";
inline constexpr std::string_view TcpipParametersKey = "System\\CurrentControlSet\\Services\\TCPIP\\Parameters";
inline constexpr std::string_view NetbtParametersKey = "System\\CurrentControlSet\\Services\\Netbt\\Parameters";
// A binding key is this prefix followed by one decimal digit 0 to 9.
inline constexpr std::string_view NetTransKeyPrefix = "System\\CurrentControlSet\\Services\\Class\\NetTrans\\000";
inline constexpr std::string_view InterfacesKey =
    "System\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces";
// An interface key is this prefix followed by the subkey name listed under InterfacesKey.
inline constexpr std::string_view InterfaceKeyPrefix =
    "\\System\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces\\";
inline constexpr std::string_view NdiCacheSizeKey = "\\System\\CurrentControlSet\\Services\\VxD\\NWLink\\Ndi\\params\\cachesize";
inline constexpr std::string_view ProductKey = "\\Software\\Quorvex\\Velocitrex";
inline constexpr std::string_view MakerKey = "\\Software\\Quorvex";
inline constexpr std::string_view StoreKey = "\\Software\\Quorvex\\Velocitrex\\Original Settings";
inline constexpr std::string_view AutostartKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// System value names. The 9x layout keeps them under MstcpKey as decimal texts,
// the NT layout under TcpipParametersKey (keep-alive: NetbtParametersKey) as DWORDs.
inline constexpr std::string_view PmtuDiscoveryValue9x = "PMTUDiscovery";
inline constexpr std::string_view PmtuDiscoveryValueNT = "EnablePMTUDiscovery";
inline constexpr std::string_view PmtuBlackHoleDetectValue9x = "PMTUBlackHoleDetect";
inline constexpr std::string_view PmtuBlackHoleDetectValueNT = "EnablePMTUBHDetect";
inline constexpr std::string_view Tcp1323OptsValue = "Tcp1323Opts";
inline constexpr std::string_view SackOptsValue = "SackOpts";
inline constexpr std::string_view BsdUrgentValue = "BSDUrgent";
inline constexpr std::string_view TcpMaxDupAcksValue = "TcpMaxDupAcks";
inline constexpr std::string_view ReceiveWindowValue9x = "DefaultRcvWindow";
inline constexpr std::string_view ReceiveWindowValueNT = "TCPWindowSize";
inline constexpr std::string_view SessionKeepAliveValue = "SessionKeepAlive";
inline constexpr std::string_view DefaultTtlValue = "DefaultTTL";
inline constexpr std::string_view NdiCacheSizeValue = "default";
// In a binding key (9x: both, as texts) and in an interface key (NT: MaxMTU, DWORD).
inline constexpr std::string_view MaxMtuValue = "MaxMTU";
inline constexpr std::string_view IpMtuValue = "IPMTU";
inline constexpr std::string_view DriverDescValue = "DriverDesc";
// The exact DriverDesc of a TCP/IP binding.
inline constexpr std::string_view TcpIpDriverDesc = "TCP/IP";

inline constexpr int32_t DefaultReceiveWindow9x = 8192;
inline constexpr int32_t DefaultReceiveWindowNT = 8760;
inline constexpr int32_t DefaultSessionKeepAlive = 3600000;
inline constexpr int32_t DefaultTtl9x = 32;
inline constexpr int32_t DefaultTtlNT = 128;
inline constexpr int32_t DefaultMtu = 576;
inline constexpr std::string_view NotSetMarker = "6666";

}  // namespace vx
