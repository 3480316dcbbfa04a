#pragma once
#include <cstdint>
#include <string>

namespace vx::setup {

// The plain texts of the values that tell the main program about its reseller.
struct ResellerValues {
    std::string rc;  // " - " and a plain reseller number (1 to 99999)
    std::string rr;  // a partner's home page
    std::string rt;  // a partner's support contact
    std::string rn;  // the reseller number, always
    bool operator==(const ResellerValues&) const = default;
};

ResellerValues ResellerValuesFor(int32_t resellerNumber);

// Stores the values of setupState.resellerNumber, scrambled, under the product key.
void WriteResellerValues();

}  // namespace vx::setup
