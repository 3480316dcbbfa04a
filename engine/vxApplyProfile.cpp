#include "engine/vxApplyProfile.h"

#include "common/DecimalText.h"
#include "common/RegistryCalls.h"
#include "engine/vxOriginalSettings.h"
#include "engine/vxPreferences.h"
#include "engine/vxProfileWriters.h"
#include "engine/vxRegistryKeys.h"

namespace vx {

int ApplyStoredProfile()
{
    int refused = 0;
    auto count = [&refused](bool written) { refused += written ? 0 : 1; };
    count(WritePmtuDiscovery(GetPmtuDiscoverPref()));
    count(WritePmtuBlackHoleDetect(GetPmtuBlackHoleDetectPref()));
    // Machines without the NDI key have no cache to size: not a refusal.
    const bool hasNdiKey = RegKeyExists(RegRoot::LocalMachine, NdiCacheSizeKey);
    bool ndiWritten = false;
    if (int32_t ndi = GetNdiPref(); ndi == -1)
        ndiWritten = WriteNdiCacheSize(true, NotSetMarker);
    else
        ndiWritten = WriteNdiCacheSize(false, FormatDecimal(ndi));
    count(ndiWritten || !hasNdiKey);
    // No receive window stored: leave the system's own rather than write -1.
    if (int32_t rwin = GetRwinPref(); rwin != -1)
        count(WriteReceiveWindow(rwin));
    count(WriteSessionKeepAlive(GetSkaPref()));
    count(WriteDefaultTtl(GetTtlPref()));
    count(WriteTcpMaxDupAcks(GetAcksPref()));
    if (GetSackPref() == 1)
        EnableTcpOptions();
    else
        RemoveTcpOptions();
    if (int32_t mtu = GetMtuPref(); mtu == -1)
        WriteMtu(true, DefaultMtu);
    else
        WriteMtu(false, mtu);
    MarkProfileApplied();
    return refused;
}

bool UndoAppliedProfile(std::vector<SkippedRecord>* skipped)
{
    bool restored = RestoreAllSettings(skipped);
    ResetPreferences();
    return restored;
}

}  // namespace vx
