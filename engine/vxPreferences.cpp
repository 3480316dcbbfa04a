#include "engine/vxPreferences.h"

#include "common/DecimalText.h"
#include "common/PlatformKind.h"
#include "common/RegistryCalls.h"
#include "engine/vxRegistryKeys.h"

namespace vx {

bool initOkay = false;

namespace {

RegistryValue ReadPref(std::string_view name, RegValueKind kind)
{
    return GetRegistryValue(RegRoot::LocalMachine, ProductKey, kind, name);
}

std::string ReadText(std::string_view name) { return ReadPref(name, RegValueKind::String).AsString(); }

int32_t IntegerOr(std::string_view name, int32_t fallback)
{
    int32_t number = ReadPref(name, RegValueKind::Integer).AsInteger();
    return number == -1 ? fallback : number;
}

int32_t DecimalTextOr(std::string_view name, int32_t fallback) { return DecimalOr(ReadText(name), fallback); }

bool WritePref(std::string_view name, const RegistryValue& value, bool create = true)
{
    return SetRegistryValue(RegRoot::LocalMachine, ProductKey, create, value, name, value.Kind());
}

bool WriteText(std::string_view name, std::string_view text)
{
    return WritePref(name, RegistryValue::String(std::string(text)));
}

bool WriteNumber(std::string_view name, int32_t number) { return WritePref(name, RegistryValue::Integer(number)); }

bool WriteDecimalText(std::string_view name, int32_t number) { return WriteText(name, FormatDecimal(number)); }

void DeletePref(std::string_view name) { RegDeleteValueIfPresent(RegRoot::LocalMachine, ProductKey, name); }

int32_t LayoutTtl() { return IsWin9xFamily() ? DefaultTtl9x : DefaultTtlNT; }

int32_t LayoutReceiveWindow() { return IsWin9xFamily() ? DefaultReceiveWindow9x : DefaultReceiveWindowNT; }

}  // namespace

std::string GetConnectPref()
{
    std::string text = ReadText(ConnectPref);
    return text == ResetConnectText ? "-2" : text;
}

int32_t GetPmtuDiscoverPref() { return IntegerOr(PmtuDiscoverPref, 1); }
int32_t GetPmtuBlackHoleDetectPref() { return IntegerOr(PmtuBlackHoleDetectPref, 0); }
int32_t GetSackPref() { return IntegerOr(SackPref, 0); }
int32_t GetAcksPref() { return IntegerOr(AcksPref, 0); }
bool GetLinePref() { return ReadPref(LinePref, RegValueKind::Boolean).AsBoolean(); }
int32_t GetMtuPref() { return DecimalTextOr(MtuPref, -1); }
int32_t GetNdiPref() { return DecimalTextOr(NdiPref, -1); }
int32_t GetRwinPref() { return DecimalTextOr(RwinPref, -1); }
int32_t GetSkaPref() { return DecimalTextOr(SkaPref, DefaultSessionKeepAlive); }
int32_t GetTtlPref() { return DecimalTextOr(TtlPref, LayoutTtl()); }
std::string GetInitText() { return ReadText(InitPref); }

bool ReadInitState()
{
    std::string init = GetInitText();
    if (init == ResetInitText) {
        initOkay = true;
        return true;
    }
    return init == "1";
}

bool SetConnectPref(std::string_view code) { return WriteText(ConnectPref, code); }
bool SetPmtuDiscoverPref(int32_t number) { return WriteNumber(PmtuDiscoverPref, number); }
bool SetPmtuDiscoverPrefDefault() { return WriteNumber(PmtuDiscoverPref, 1); }
bool SetPmtuBlackHoleDetectPref(int32_t number) { return WriteNumber(PmtuBlackHoleDetectPref, number); }
bool SetPmtuBlackHoleDetectPrefDefault() { return WriteNumber(PmtuBlackHoleDetectPref, 0); }
bool SetSackPref(int32_t number) { return WriteNumber(SackPref, number); }
bool SetSackPrefDefault() { return WriteNumber(SackPref, 1); }
bool SetAcksPref(int32_t number) { return WriteNumber(AcksPref, number); }
bool SetAcksPrefDefault() { return WriteNumber(AcksPref, 2); }

bool SetLinePref(bool good) { return WritePref(LinePref, RegistryValue::Boolean(good), false); }

bool SetMtuPref(bool useDefault, int32_t number) { return WriteDecimalText(MtuPref, useDefault ? DefaultMtu : number); }

bool SetNdiPref(bool useDefault, std::string_view text) { return WriteText(NdiPref, useDefault ? NotSetMarker : text); }

bool SetRwinPref(int32_t number) { return WriteDecimalText(RwinPref, number); }
bool SetRwinPrefDefault() { return WriteDecimalText(RwinPref, LayoutReceiveWindow()); }
bool SetSkaPref(int32_t number) { return WriteDecimalText(SkaPref, number); }
bool SetTtlPref(int32_t number) { return WriteDecimalText(TtlPref, number); }
bool SetTtlPrefDefault() { return WriteDecimalText(TtlPref, LayoutTtl()); }
bool MarkProfileApplied() { return WriteText(InitPref, "1"); }

bool ResetPreferences()
{
    RegDeleteValueIfPresent(RegRoot::LocalMachine, AutostartKey, AutostartResetName);
    DeletePref(PmtuDiscoverPref);
    DeletePref(PmtuBlackHoleDetectPref);
    WriteText(ConnectPref, ResetConnectText);
    WriteText(InitPref, ResetInitText);
    for (std::string_view name : {LinePref, MtuPref, NdiPref, RwinPref, SkaPref, TtlPref})
        DeletePref(name);
    return true;
}

}  // namespace vx
