#include "engine/vxApplyProfile.h"

#include "common/DecimalText.h"
#include "engine/vxOriginalSettings.h"
#include "engine/vxPreferences.h"
#include "engine/vxProfileWriters.h"
#include "engine/vxRegistryKeys.h"

namespace vx {

void ApplyStoredProfile()
{
    WritePmtuDiscovery(GetPmtuDiscoverPref());
    WritePmtuBlackHoleDetect(GetPmtuBlackHoleDetectPref());
    if (int32_t ndi = GetNdiPref(); ndi == -1)
        WriteNdiCacheSize(true, NotSetMarker);
    else
        WriteNdiCacheSize(false, FormatDecimal(ndi));
    // No receive window stored: leave the system's own rather than write -1.
    if (int32_t rwin = GetRwinPref(); rwin != -1)
        WriteReceiveWindow(rwin);
    WriteSessionKeepAlive(GetSkaPref());
    WriteDefaultTtl(GetTtlPref());
    WriteTcpMaxDupAcks(GetAcksPref());
    if (GetSackPref() == 1)
        EnableTcpOptions();
    else
        RemoveTcpOptions();
    if (int32_t mtu = GetMtuPref(); mtu == -1)
        WriteMtu(true, DefaultMtu);
    else
        WriteMtu(false, mtu);
    MarkProfileApplied();
}

bool UndoAppliedProfile(std::vector<SkippedRecord>* skipped)
{
    bool restored = RestoreAllSettings(skipped);
    ResetPreferences();
    return restored;
}

}  // namespace vx
