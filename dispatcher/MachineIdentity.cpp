#include "dispatcher/MachineIdentity.h"

#include "platform/ComputerName.h"
#include "platform/LocalAddresses.h"

namespace vx::dispatcher {

std::string GetComputerNameText()
{
    return platform::QueryComputerName().value_or("Not Found");
}

std::string GetLocalIpAddressText()
{
    const auto host = platform::LookUpLocalHost();
    // Each address of the list replaces the one before: the last one is shown.
    if (!host || host->addresses.empty())
        return "";
    return host->addresses.back();
}

}  // namespace vx::dispatcher
