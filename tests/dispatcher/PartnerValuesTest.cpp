#include "dispatcher/PartnerValues.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "common/MemoryRegistry.h"
#include "common/RegistryCalls.h"
#include "common/TextScrambling.h"

namespace vx::dispatcher {
namespace {

TEST(LoadPartnerValues, ReadsTheScrambledResellerNumber)
{
    struct Case {
        const char* what;
        std::optional<std::string> rn;  // nullopt: not stored
        int32_t number;
    } cases[] = {
        {"nothing stored", std::nullopt, 1},
        {"empty", "", 1},
        {"scrambled -4", ScrambleText(PartnerKey, "-4"), -4},
        {"scrambled -1", ScrambleText(PartnerKey, "-1"), -1},
        {"scrambled 4711", ScrambleText(PartnerKey, "4711"), 4711},
        {"stored unscrambled", "-4", 1},
        {"scrambled with another key", ScrambleText("Lantern?", "-4"), 1},
        {"scrambled word", ScrambleText(PartnerKey, "nbl"), 1},
        {"scrambled overflow", ScrambleText(PartnerKey, "99999999999"), 1},
    };
    for (const Case& c : cases) {
        MemoryRegistry registry;
        ScopedRegistryBackend scoped(registry);
        if (c.rn)
            SetRegistryValue(RegRoot::LocalMachine, "\\Software\\Quorvex\\Velocitrex", true,
                             RegistryValue::String(*c.rn), "rn", RegValueKind::String);
        resellerNumber = 12345;
        LoadPartnerValues();
        EXPECT_EQ(resellerNumber, c.number) << c.what;
    }
}

}  // namespace
}  // namespace vx::dispatcher
