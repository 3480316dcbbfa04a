// The tray menu's computer name and address lines from scripted answers.
#include "dispatcher/MachineIdentity.h"

#include <gtest/gtest.h>

#include "platform/host/HostComputerName.h"
#include "platform/host/HostLocalAddresses.h"

namespace vx::dispatcher {
namespace {

TEST(MachineIdentity, ComputerNameOrNotFound)
{
    platform::HostComputerName name;
    platform::ScopedService<platform::ComputerName> scoped(name);
    name.Set("OFFICE-PC");
    EXPECT_EQ(GetComputerNameText(), "OFFICE-PC");
    name.Set(std::nullopt);
    EXPECT_EQ(GetComputerNameText(), "Not Found");
}

TEST(MachineIdentity, AddressIsTheLastOfTheList)
{
    platform::HostLocalAddresses addresses;
    platform::ScopedService<platform::LocalAddresses> scoped(addresses);
    const struct {
        const char* what;
        std::optional<platform::LocalHost> host;
        const char* text;
    } cases[] = {
        {"one address", platform::LocalHost{"pc", {"192.168.0.7"}}, "192.168.0.7"},
        {"several", platform::LocalHost{"pc", {"10.0.0.2", "192.168.0.7", "169.254.3.9"}}, "169.254.3.9"},
        {"no address", platform::LocalHost{"pc", {}}, ""},
        {"lookup fails", std::nullopt, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        addresses.Set(c.host);
        EXPECT_EQ(GetLocalIpAddressText(), c.text);
    }
}

}  // namespace
}  // namespace vx::dispatcher
