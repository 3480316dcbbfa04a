#pragma once
// Current-value readers of the nine tunable TCP/IP parameters. Each reads the
// layout that IsWin9xFamily selects and never fails: a missing, unreadable or
// non-numeric system value gives the reader's default.
#include <cstdint>

namespace vx {

int32_t GetCurrentPmtuDiscovery();
int32_t GetCurrentPmtuBlackHoleDetect();
int32_t GetCurrentSackOpts();
int32_t GetCurrentTcpMaxDupAcks();
// The first TCP/IP binding's (9x) or interface's (2000/XP) MTU; -1 when none holds one.
int32_t GetCurrentMtu();
int32_t GetCurrentNdiCacheSize();
// -1 when not set, on both layouts.
int32_t GetCurrentReceiveWindow();
int32_t GetCurrentSessionKeepAlive();
int32_t GetCurrentDefaultTtl();

}  // namespace vx
