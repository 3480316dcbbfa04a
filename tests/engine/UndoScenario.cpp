#include "tests/engine/UndoScenario.h"

#include <optional>
#include <set>
#include <string_view>
#include <vector>

#include "common/DecimalText.h"
#include "common/MemoryRegistry.h"
#include "common/PlatformKind.h"
#include "engine/vxApplyProfile.h"
#include "engine/vxAutomaticProfile.h"
#include "engine/vxOriginalSettings.h"
#include "engine/vxPreferences.h"
#include "engine/vxRegistryKeys.h"
#include "engine/vxTcpipBindings.h"
#include "platform/host/HostMessageBoxes.h"
#include "tests/engine/PowerCutRegistry.h"
#include "tests/engine/RegistrySnapshot.h"

namespace vx::test {
namespace {

constexpr RegRoot LM = RegRoot::LocalMachine;

// A value of the machine the engine writes, and that junk in the journal may name.
struct Target {
    std::string key, name;
};

std::vector<Target> Targets()
{
    std::vector<Target> targets;
    for (const char* name : {"PMTUDiscovery", "DefaultTTL", "SackOpts", "SessionKeepAlive", ""})
        targets.push_back({std::string(MstcpKey), name});
    for (const char* name : {"EnablePMTUDiscovery", "TCPWindowSize", "BSDUrgent", ""})
        targets.push_back({std::string(TcpipParametersKey), name});
    targets.push_back({std::string(NetbtParametersKey), "SessionKeepAlive"});
    targets.push_back({NetTransBindingKey(3), "MaxMTU"});
    targets.push_back({std::string(InterfaceKeyPrefix) + "{IF1}", "MaxMTU"});
    targets.push_back({"System", ""});
    return targets;
}

class MachineBuilder {
public:
    explicit MachineBuilder(Choices& choices) : c_(choices) {}

    void Build(MemoryRegistry& registry)
    {
        registry.Create(LM, "Software");
        FillKey(registry, MstcpKey,
                {"PMTUDiscovery", "PMTUBlackHoleDetect", "DefaultRcvWindow", "SessionKeepAlive", "DefaultTTL",
                 "TcpMaxDupAcks", "Tcp1323Opts", "SackOpts", "BSDUrgent"});
        FillKey(registry, TcpipParametersKey,
                {"EnablePMTUDiscovery", "EnablePMTUBHDetect", "TCPWindowSize", "DefaultTTL", "TcpMaxDupAcks",
                 "Tcp1323Opts", "SackOpts", "BSDUrgent"});
        FillKey(registry, NetbtParametersKey, {"SessionKeepAlive"});
        if (c_.Chance(50))
            FillKey(registry, NdiCacheSizeKey, {"default"});
        for (int digit = 0; digit <= 9; ++digit)
            if (c_.Chance(40)) {
                MemoryKey& binding = registry.Create(LM, Spelling(NetTransBindingKey(digit)));
                binding.SetValue(Spelling("DriverDesc"),
                                 RawValue::Text(c_.Chance(70) ? "TCP/IP" : "TCP/IP -> Dial-Up Adapter"));
                for (const char* name : {"MaxMTU", "IPMTU"})
                    if (c_.Chance(60))
                        binding.SetValue(Spelling(name), AnyValue());
            }
        for (int i = c_.Pick(5); i > 0; --i) {
            MemoryKey& face = registry.Create(LM, Spelling(std::string(InterfacesKey) + "\\{IF" + FormatDecimal(i) + "}"));
            if (c_.Chance(60))
                face.SetValue(Spelling("MaxMTU"), AnyValue());
        }
        if (c_.Chance(50))
            registry.Create(LM, ProductKey).SetValue("mtu", AnyValue());
    }

private:
    // The name as given, or in lower or upper case: the registry takes all three
    // for the same, and must give back the one it holds.
    std::string Spelling(std::string_view name)
    {
        std::string spelled(name);
        const int form = c_.Pick(4);
        for (char& ch : spelled) {
            if (form == 0 && ch >= 'A' && ch <= 'Z')
                ch = static_cast<char>(ch - 'A' + 'a');
            if (form == 1 && ch >= 'a' && ch <= 'z')
                ch = static_cast<char>(ch - 'a' + 'A');
        }
        return spelled;
    }

    // A value of any type, often a number in the type its layout expects.
    RawValue AnyValue()
    {
        std::string number = FormatDecimal(c_.Pick(70000));
        switch (c_.Pick(10)) {
        case 0: case 1: return RawValue::Text(number);
        case 2: case 3: return RawValue::Dword(c_.Next());
        case 4: return RawValue::Text("not a number");
        case 5: return RawValue::Binary({static_cast<uint8_t>(c_.Pick(256)), 0, static_cast<uint8_t>(c_.Pick(256))});
        case 6: return RawValue::Text(number, RegType::ExpandSz);
        case 7: return RawValue{RegType::MultiSz, {'1', 0, '2', 0, 0}};
        case 8: return RawValue{RegType::Sz, {'1', '5'}};  // a text without its terminating zero
        default: return RawValue{static_cast<RegType>(c_.Pick(2) ? 0 : 11), {1, 2, 3, 4, 5, 6, 7, 8}};
        }
    }

    void FillKey(MemoryRegistry& registry, std::string_view path, std::initializer_list<std::string_view> names)
    {
        if (!c_.Chance(90))
            return;
        MemoryKey& key = registry.Create(LM, Spelling(path));
        key.SetValue("Unrelated", RawValue::Text("kept"));
        for (std::string_view name : names)
            if (c_.Chance(70))
                key.SetValue(Spelling(name), AnyValue());
    }

    Choices& c_;
};

// Junk in the journal: records cut off or damaged, stale records beyond
// "Counter", records aimed at the journal, odd counters and field names. The
// only records restoring may act on name keys under Software\Junk.
class HostileJournal {
public:
    explicit HostileJournal(Choices& choices) : c_(choices), targets_(Targets()) {}

    void Put(MemoryRegistry& registry)
    {
        MemoryKey& store = registry.Create(LM, StoreKey);
        PutCounter(store);
        for (int i = c_.Pick(10); i > 0; --i)
            PutRecord(store);
        if (c_.Chance(30)) {
            const Target& target = AnyTarget();
            for (auto [name, text] : {std::pair{"A_2", std::string("HKEY_LOCAL_MACHINE")}, {"A_3", target.key},
                                      {"A_4", target.name}})
                store.SetValue(name, RawValue::Text(text));
        }
    }

private:
    using Fields = std::vector<std::optional<RawValue>>;

    void PutCounter(MemoryKey& store)
    {
        switch (c_.Pick(7)) {
        case 0: counter_ = 0; return;  // none
        case 1: store.SetValue(CounterValue, RawValue::Text("12")); counter_ = 0; return;
        case 2: store.SetValue(CounterValue, RawValue::Dword(static_cast<uint32_t>(-5))); counter_ = 0; return;
        case 3: counter_ = 0x7FFFFFFF; break;
        case 4: counter_ = 0x7FFFFFFE; break;
        default: counter_ = 1 + c_.Pick(40); break;
        }
        store.SetValue(CounterValue, RawValue::Dword(static_cast<uint32_t>(counter_)));
    }

    const Target& AnyTarget() { return targets_[static_cast<size_t>(c_.Pick(static_cast<int>(targets_.size())))]; }

    // A record number no other junk record has, within the numbering or beyond it.
    std::optional<int64_t> FreeNumber(bool within)
    {
        int64_t number = within ? (counter_ < 1 ? 0 : counter_ - c_.Pick(static_cast<int>(std::min<int64_t>(counter_, 60))))
                                : counter_ + 1 + c_.Pick(40);
        if (number < 1 || number > 0x7FFFFFFF || !used_.insert(number).second)
            return std::nullopt;
        return number;
    }

    static Fields Complete(std::string_view flag, std::string_view key, std::string_view name, RawValue data)
    {
        return {RawValue::Text(flag), RawValue::Text("HKEY_LOCAL_MACHINE"), RawValue::Text(key),
                RawValue::Text(name), RawValue::Text(flag == "0" ? "" : "String"), std::move(data)};
    }

    // A record restoring must pass over, naming a value under System.
    Fields Damaged()
    {
        const Target& target = AnyTarget();
        Fields fields = Complete("1", target.key, target.name, RawValue::Text("junk"));
        switch (c_.Pick(6)) {
        case 0: fields[static_cast<size_t>(c_.Pick(6))].reset(); break;
        case 1: fields[static_cast<size_t>(c_.Pick(5))] = RawValue::Dword(7); break;
        case 2: fields[0] = RawValue::Text(c_.Chance(50) ? "" : "yes"); break;
        case 3: fields[1] = RawValue::Text(c_.Chance(50) ? "HKEY_CLASSES_ROOT" : "HKEY_USERS"); break;
        case 4: fields[4] = RawValue::Text(c_.Chance(50) ? "Bogus" : "None"); break;
        default: fields[4] = RawValue::Text(c_.Chance(50) ? "Integer" : "Binary"); break;
        }
        return fields;
    }

    Fields AimedAtJournal()
    {
        if (c_.Chance(50))
            return Complete("0", c_.Chance(50) ? "\\Software\\Quorvex" : "software\\QUORVEX\\velocitrex", "",
                            RawValue::Text(""));
        return Complete(c_.Chance(50) ? "0" : "1", StoreKey, "S001_4", RawValue::Text(""));
    }

    void PutRecord(MemoryKey& store)
    {
        Fields fields;
        std::optional<int64_t> number;
        switch (c_.Pick(4)) {
        case 0: {  // restorable, outside System
            number = FreeNumber(true);
            const bool existed = c_.Chance(50);
            fields = Complete(existed ? "1" : "0", "Software\\Junk\\K" + FormatDecimal(c_.Pick(3)),
                              c_.Chance(30) ? "" : "V", RawValue::Text(existed ? "restored" : ""));
            break;
        }
        case 1: number = FreeNumber(true); fields = Damaged(); break;
        case 2: number = FreeNumber(true); fields = AimedAtJournal(); break;
        default: {  // stale beyond "Counter"
            number = FreeNumber(false);
            const Target& target = AnyTarget();
            fields = Complete("1", target.key, target.name, RawValue::Text("stale"));
            break;
        }
        }
        if (!number)
            return;
        std::string prefix = RestoreRecordPrefix(static_cast<int32_t>(*number));
        for (size_t i = 0; i < fields.size(); ++i) {
            if (!fields[i])
                continue;
            std::string name = RestoreFieldName(prefix, static_cast<int>(i) + 1);
            if (c_.Chance(20))
                name[0] = 's';
            store.SetValue(name, *fields[i]);
        }
    }

    Choices& c_;
    std::vector<Target> targets_;
    int64_t counter_ = 0;
    std::set<int64_t> used_;
};

// One step a user (or vxtune) could take.
void Step(Choices& c)
{
    switch (c.Pick(6)) {
    case 0: {
        auto types = ConnectionTypes();
        SetConnectPref(c.Chance(90) ? types[static_cast<size_t>(c.Pick(6))].code : "Modem");
        StoreAutomaticProfile();
        break;
    }
    case 1: SetMtuPref(c.Chance(30), c.Pick(2) ? 1400 : 0); break;
    case 2: SetNdiPref(c.Chance(50), FormatDecimal(c.Pick(64))); break;
    case 3: c.Chance(50) ? SetSackPref(c.Pick(2)) : SetRwinPref(c.Pick(200000)); break;
    case 4: SetTtlPref(c.Pick(255)); break;
    default: ApplyStoredProfile(); break;
    }
}

// Steps and a last apply; with a power cut, what the registry holds when the
// power went is what the next start finds.
void UseTheProgram(Choices& c, MemoryRegistry& registry)
{
    PowerCutRegistry cutting(registry, c.Pick(600));
    std::optional<ScopedRegistryBackend> cut;
    if (c.Chance(30))
        cut.emplace(cutting);
    for (int steps = 1 + c.Pick(8); steps > 0; --steps)
        Step(c);
    ApplyStoredProfile();
}

}  // namespace

std::string RunUndoScenario(Choices& choices)
{
    static constexpr PlatformKind kinds[] = {PlatformKind::Windows95, PlatformKind::Windows98,
                                             PlatformKind::WindowsMe, PlatformKind::WindowsNT,
                                             PlatformKind::Windows2000, PlatformKind::WindowsXP};
    MemoryRegistry registry;
    ScopedRegistryBackend scope(registry);
    platform::HostMessageBoxes boxes;
    platform::ScopedService<platform::MessageBoxes> boxScope(boxes);
    ScopedPlatformKind kind(kinds[static_cast<size_t>(choices.Pick(6))]);

    MachineBuilder(choices).Build(registry);
    if (choices.Chance(60))
        HostileJournal(choices).Put(registry);
    const RegistrySnapshot before = TakeSnapshot(registry, "Software");

    UseTheProgram(choices, registry);
    if (!UndoAppliedProfile())
        return "restore reported values it could not write back";
    const RegistrySnapshot after = TakeSnapshot(registry, "Software");
    return after == before ? "" : DescribeDifferences(before, after);
}

}  // namespace vx::test
