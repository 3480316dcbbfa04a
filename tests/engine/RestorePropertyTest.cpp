// For random machines and random sequences of profile, set and apply, the undo
// path puts back every system value exactly as it was.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "common/DecimalText.h"
#include "common/PlatformKind.h"
#include "engine/vxApplyProfile.h"
#include "engine/vxAutomaticProfile.h"
#include "engine/vxPreferences.h"
#include "engine/vxRegistryKeys.h"
#include "engine/vxTcpipBindings.h"
#include "platform/host/HostMessageBoxes.h"
#include "tests/engine/FixtureRegistry.h"
#include "tests/engine/RegistrySnapshot.h"

namespace vx {
namespace {

constexpr RegRoot LM = RegRoot::LocalMachine;

class RandomMachine {
public:
    explicit RandomMachine(uint32_t seed) : random_(seed) {}

    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }
    bool Chance(int percent) { return Pick(100) < percent; }

    // A value of any type, often a number in the type its layout expects.
    RawValue AnyValue()
    {
        std::string number = FormatDecimal(Pick(70000));
        switch (Pick(10)) {
        case 0: case 1: return RawValue::Text(number);
        case 2: case 3: return RawValue::Dword(static_cast<uint32_t>(Pick(70000)));
        case 4: return RawValue::Text("not a number");
        case 5: return RawValue::Binary({static_cast<uint8_t>(Pick(256)), 0, static_cast<uint8_t>(Pick(256))});
        case 6: return RawValue::Text(number, RegType::ExpandSz);
        case 7: return RawValue{RegType::MultiSz, {'1', 0, '2', 0, 0}};
        case 8: return RawValue{RegType::Sz, {'1', '5'}};  // a text without its terminating zero
        default: return RawValue{static_cast<RegType>(Pick(2) ? 0 : 11), {1, 2, 3, 4, 5, 6, 7, 8}};
        }
    }

    void FillKey(MemoryRegistry& registry, std::string_view path, std::initializer_list<std::string_view> names)
    {
        if (!Chance(90))
            return;
        MemoryKey& key = registry.Create(LM, path);
        key.SetValue("Unrelated", RawValue::Text("kept"));
        for (std::string_view name : names)
            if (Chance(70))
                key.SetValue(name, AnyValue());
    }

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
        if (Chance(50))
            FillKey(registry, NdiCacheSizeKey, {"default"});
        for (int digit = 0; digit <= 9; ++digit)
            if (Chance(40)) {
                MemoryKey& binding = registry.Create(LM, NetTransBindingKey(digit));
                binding.SetValue("DriverDesc", RawValue::Text(Chance(70) ? "TCP/IP" : "TCP/IP -> Dial-Up Adapter"));
                for (const char* name : {"MaxMTU", "IPMTU"})
                    if (Chance(60))
                        binding.SetValue(name, AnyValue());
            }
        for (int i = Pick(5); i > 0; --i) {
            MemoryKey& face = registry.Create(LM, std::string(InterfacesKey) + "\\{IF" + FormatDecimal(i) + "}");
            if (Chance(60))
                face.SetValue("MaxMTU", AnyValue());
        }
        if (Chance(50))
            registry.Create(LM, ProductKey).SetValue("mtu", AnyValue());
    }

    // One step a user (or vxtune) could take.
    void Step()
    {
        switch (Pick(6)) {
        case 0: {
            auto types = ConnectionTypes();
            SetConnectPref(Chance(90) ? types[static_cast<size_t>(Pick(6))].code : "Modem");
            StoreAutomaticProfile();
            break;
        }
        case 1: SetMtuPref(Chance(30), Pick(2) ? 1400 : 0); break;
        case 2: SetNdiPref(Chance(50), FormatDecimal(Pick(64))); break;
        case 3: Chance(50) ? SetSackPref(Pick(2)) : SetRwinPref(Pick(200000)); break;
        case 4: SetTtlPref(Pick(255)); break;
        default: ApplyStoredProfile(); break;
        }
    }

private:
    std::mt19937 random_;
};

TEST(RestoreProperty, UndoReturnsEverySystemValueOfARandomMachine)
{
    const PlatformKind kinds[] = {PlatformKind::Windows95, PlatformKind::Windows98, PlatformKind::WindowsMe,
                                  PlatformKind::WindowsNT, PlatformKind::Windows2000, PlatformKind::WindowsXP};
    platform::HostMessageBoxes boxes;
    platform::ScopedService<platform::MessageBoxes> boxScope(boxes);
    for (uint32_t seed = 1; seed <= 300; ++seed) {
        test::FixtureRegistry fixture;
        RandomMachine machine(seed);
        ScopedPlatformKind kind(kinds[static_cast<size_t>(machine.Pick(6))]);
        machine.Build(fixture.Registry());
        const auto before = test::TakeSnapshot(fixture.Registry(), "Software\\Quorvex").values;

        for (int steps = 1 + machine.Pick(8); steps > 0; --steps)
            machine.Step();
        ApplyStoredProfile();
        ASSERT_TRUE(UndoAppliedProfile()) << "seed " << seed;

        const auto after = test::TakeSnapshot(fixture.Registry(), "Software\\Quorvex").values;
        ASSERT_EQ(after, before) << "seed " << seed << "\n"
                                 << test::DescribeDifferences({{}, before}, {{}, after});
    }
}

}  // namespace
}  // namespace vx
