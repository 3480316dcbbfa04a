#include "dispatcher/PartnerValues.h"

#include "common/DecimalText.h"
#include "common/RegistryCalls.h"
#include "common/TextScrambling.h"
#include "engine/vxRegistryKeys.h"

namespace vx::dispatcher {

int32_t resellerNumber = 1;

void LoadPartnerValues()
{
    std::string stored = GetRegistryValue(RegRoot::LocalMachine, ProductKey, RegValueKind::String, "rn").AsString();
    resellerNumber = DecimalOr(UnscrambleText(PartnerKey, stored), 1);
}

}  // namespace vx::dispatcher
