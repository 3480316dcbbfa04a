// Apply and undo of the cable profile on the in-memory fixtures.
#include <benchmark/benchmark.h>

#include "common/PlatformKind.h"
#include "common/RegFile.h"
#include "engine/vxApplyProfile.h"
#include "engine/vxAutomaticProfile.h"
#include "engine/vxPreferences.h"

namespace vx {
namespace {

void ApplyAndRestore(benchmark::State& state, const char* fixture, PlatformKind kind)
{
    MemoryRegistry registry;
    if (LoadRegFile(registry, std::string(VX_SOURCE_DIR) + "/tests/engine/fixtures/" + fixture)) {
        state.SkipWithError("fixture not readable");
        return;
    }
    ScopedRegistryBackend scope(registry);
    ScopedPlatformKind platform(kind);
    for (auto _ : state) {
        SetConnectPref("C");
        StoreAutomaticProfile();
        ApplyStoredProfile();
        UndoAppliedProfile();
    }
}

BENCHMARK_CAPTURE(ApplyAndRestore, Windows98, "win98.reg", PlatformKind::Windows98);
BENCHMARK_CAPTURE(ApplyAndRestore, WindowsXP, "winxp.reg", PlatformKind::WindowsXP);

}  // namespace
}  // namespace vx

BENCHMARK_MAIN();
