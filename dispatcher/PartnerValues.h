#pragma once
#include <cstdint>

namespace vx::dispatcher {

// The reseller number the web links carry; 1 until LoadPartnerValues finds one.
extern int32_t resellerNumber;

// Reads the reseller number that the setup stored scrambled as "rn" under the
// product key; a missing or unusable value gives 1.
void LoadPartnerValues();

}  // namespace vx::dispatcher
