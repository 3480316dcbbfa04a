#pragma once
// The system writers: each copies one preference into the TCP/IP parameters of
// the running Windows family, journalling every value before its first change.
// The 9x layout takes decimal texts, the NT layout DWORDs.
#include <cstdint>
#include <string_view>

namespace vx {

bool WritePmtuDiscovery(int32_t number);
bool WritePmtuBlackHoleDetect(int32_t number);
// Nothing at all (false) when NdiCacheSizeKey does not exist.
bool WriteNdiCacheSize(bool useDefault, std::string_view text);
bool WriteReceiveWindow(int32_t number);
bool WriteSessionKeepAlive(int32_t number);
bool WriteDefaultTtl(int32_t number);
bool WriteTcpMaxDupAcks(int32_t number);
bool EnableTcpOptions();
bool RemoveTcpOptions();
// 9x: every TCP/IP binding; NT: every interface (Windows 2000 and XP only).
bool WriteMtu(bool useDefault, int32_t number);

}  // namespace vx
