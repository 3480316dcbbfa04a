// prefs, profile, set, apply, restore, journal: the stored profile and the
// tuning engine from the command line.
#include <functional>
#include <optional>

#include "apps/vxtune/Command.h"
#include "common/DecimalText.h"
#include "engine/vxApplyProfile.h"
#include "engine/vxAutomaticProfile.h"
#include "engine/vxJournalListing.h"
#include "engine/vxPreferences.h"

namespace vx::tune {
namespace {

const char* FlagText(bool flag) { return flag ? "true" : "false"; }

int ShowPreferences(CommandContext& c)
{
    c.out << "connect=" << GetConnectPref() << "\n"
          << "PMTUDiscover=" << GetPmtuDiscoverPref() << "\n"
          << "PMTUBlackHoleDetect=" << GetPmtuBlackHoleDetectPref() << "\n"
          << "sack=" << GetSackPref() << "\n"
          << "acks=" << GetAcksPref() << "\n"
          << "line=" << FlagText(GetLinePref()) << "\n"
          << "mtu=" << GetMtuPref() << "\n"
          << "ndi=" << GetNdiPref() << "\n"
          << "rwin=" << GetRwinPref() << "\n"
          << "ska=" << GetSkaPref() << "\n"
          << "ttl=" << GetTtlPref() << "\n"
          << "init=" << GetInitText() << "\n";
    return ExitOk;
}

int UsageError(CommandContext& c, const std::string& problem, std::string_view synopsis)
{
    c.err << "vxtune: " << problem << "\n"
          << "usage: vxtune [--registry FILE] [--os VERSION] " << synopsis << "\n";
    return ExitUsage;
}

int WriteResult(CommandContext& c, bool written, std::string_view what)
{
    if (written)
        return ExitOk;
    c.err << "vxtune: could not store " << what << "\n";
    return ExitFailure;
}

int StoreProfile(CommandContext& c)
{
    const std::string& code = c.args[0];
    bool known = false;
    for (const ConnectionType& type : ConnectionTypes())
        known = known || type.code == code;
    if (!known)
        return UsageError(c, "unknown connection type " + code, "profile M|C|N|D1|D2|D3");
    bool stored = SetConnectPref(code);
    StoreAutomaticProfile();
    return WriteResult(c, stored, "the profile");
}

// One preference's setter: nullopt when VALUE is not one it takes.
using Setter = std::function<std::optional<bool>(const std::string&)>;

Setter NumberSetter(bool (*set)(int32_t), bool (*setDefault)() = nullptr)
{
    return [=](const std::string& value) -> std::optional<bool> {
        if (value == "default" && setDefault)
            return setDefault();
        if (auto number = ParseDecimal(value))
            return set(*number);
        return std::nullopt;
    };
}

struct NamedSetter {
    std::string_view name;
    Setter set;
};

std::vector<NamedSetter> Setters()
{
    return {
        {"connect", [](const std::string& v) -> std::optional<bool> { return SetConnectPref(v); }},
        {"PMTUDiscover", NumberSetter(SetPmtuDiscoverPref, SetPmtuDiscoverPrefDefault)},
        {"PMTUBlackHoleDetect", NumberSetter(SetPmtuBlackHoleDetectPref, SetPmtuBlackHoleDetectPrefDefault)},
        {"sack", NumberSetter(SetSackPref, SetSackPrefDefault)},
        {"acks", NumberSetter(SetAcksPref, SetAcksPrefDefault)},
        {"line",
         [](const std::string& v) -> std::optional<bool> {
             if (v != "true" && v != "false")
                 return std::nullopt;
             return SetLinePref(v == "true");
         }},
        {"mtu", NumberSetter([](int32_t n) { return SetMtuPref(false, n); }, [] { return SetMtuPref(true, 0); })},
        {"ndi",
         [](const std::string& v) -> std::optional<bool> { return SetNdiPref(v == "default", v); }},
        {"rwin", NumberSetter(SetRwinPref, SetRwinPrefDefault)},
        {"ska", NumberSetter(SetSkaPref)},
        {"ttl", NumberSetter(SetTtlPref, SetTtlPrefDefault)},
    };
}

int SetPreference(CommandContext& c)
{
    const std::string& name = c.args[0];
    const std::string& value = c.args[1];
    constexpr std::string_view synopsis = "set NAME VALUE";
    for (const NamedSetter& setter : Setters()) {
        if (setter.name != name)
            continue;
        std::optional<bool> stored = setter.set(value);
        if (!stored)
            return UsageError(c, "bad value " + value + " for " + name, synopsis);
        return WriteResult(c, *stored, name);
    }
    return UsageError(c, "unknown preference " + name, synopsis);
}

int Apply(CommandContext&)
{
    ApplyStoredProfile();
    return ExitOk;
}

std::string_view FaultText(RecordFault fault)
{
    switch (fault) {
    case RecordFault::Incomplete: return "incomplete (cut off before its value was changed, or not the engine's)";
    case RecordFault::UnknownRoot: return "unknown root key";
    case RecordFault::JournalKey: return "it names the journal's own key";
    case RecordFault::UnusableData: return "saved data of a type it cannot write back";
    case RecordFault::None: break;
    }
    return "";
}

int Restore(CommandContext& c)
{
    std::vector<SkippedRecord> skipped;
    bool restored = UndoAppliedProfile(&skipped);
    for (const SkippedRecord& record : skipped)
        c.err << "vxtune: journal record " << record.number << " not restorable: " << FaultText(record.fault)
              << "; removed\n";
    if (restored)
        return ExitOk;
    c.err << "vxtune: some values could not be written back; their records are kept\n";
    return ExitFailure;
}

int ShowJournal(CommandContext& c)
{
    for (const JournalRecord& record : ReadJournal())
        c.out << FormatJournalRecord(record) << "\n";
    return ExitOk;
}

}  // namespace

std::vector<Command> EngineCommands()
{
    return {
        {"prefs", "", 0, 0, ShowPreferences},
        {"profile", "M|C|N|D1|D2|D3", 1, 1, StoreProfile},
        {"set", "NAME VALUE", 2, 2, SetPreference},
        {"apply", "", 0, 0, Apply},
        {"restore", "", 0, 0, Restore},
        {"journal", "", 0, 0, ShowJournal},
    };
}

}  // namespace vx::tune
