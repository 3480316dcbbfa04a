#include "engine/vxApplyProfile.h"

#include "common/DecimalText.h"
#include "common/PlatformKind.h"
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
    // A write into a key that may be absent by design counts only where the key is there.
    auto countIn = [&refused](bool written, std::string_view key9x, std::string_view keyNT) {
        if (!written && RegKeyExists(RegRoot::LocalMachine, IsWin9xFamily() ? key9x : keyNT))
            ++refused;
    };
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
        countIn(WriteReceiveWindow(rwin), MstcpKey, TcpipParametersKey);
    countIn(WriteSessionKeepAlive(GetSkaPref()), MstcpKey, NetbtParametersKey);
    countIn(WriteDefaultTtl(GetTtlPref()), MstcpKey, TcpipParametersKey);
    countIn(WriteTcpMaxDupAcks(GetAcksPref()), MstcpKey, TcpipParametersKey);
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
